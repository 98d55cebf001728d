ostrevin_add_test(gauge_tests
  SOURCES gauge_paint_test.cpp gauge_repaint_test.cpp
  LIBS ostrevin_components ostrevin_test_support)
