# The tray icon, its shared notification window and the interval timer it
# relies on (Win32).
target_sources(ostrevin_components PRIVATE
  interval_timer.cpp
  notify_icon.cpp
  notify_icon_notifications.cpp
  notify_icon_window.cpp
  tray_icon_handler.cpp
  tray_shell.cpp
)
target_link_libraries(ostrevin_components PUBLIC shell32 user32)
