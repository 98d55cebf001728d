# The text tray icon under Wine: its pictures read back as pixels, its calls
# to a recording notification area.
ostrevin_add_test(text_notify_icon_tests
  SOURCES text_notify_icon_test.cpp
  LIBS ostrevin_components ostrevin_test_support)
