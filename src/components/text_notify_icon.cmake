# The tray icon that draws its text into its picture (Win32).
target_sources(ostrevin_components PRIVATE text_notify_icon.cpp)
