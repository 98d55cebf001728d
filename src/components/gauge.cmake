target_sources(ostrevin_components PRIVATE gauge.cpp)
