# The interval timer and the tray icon, under Wine: the tray icon's calls go
# to a recording notification area, except in the one test of the real one.
ostrevin_add_test(interval_timer_tests
  SOURCES interval_timer_states_test.cpp
  LIBS ostrevin_components)

ostrevin_add_test(notify_icon_tests
  SOURCES
    notify_icon_shell_test.cpp
    notify_icon_cycle_test.cpp
    notify_icon_mouse_test.cpp
    tray_window_test.cpp
  LIBS ostrevin_components ostrevin_test_support)
