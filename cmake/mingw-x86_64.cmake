# Cross build for 64-bit Windows: the same sources as the released 32-bit
# program, for machines whose kernel runs no 32-bit program and so no 32-bit
# Wine. Programs built here run under 64-bit Wine.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
