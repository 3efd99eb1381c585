# Tests of the Help and About windows (included by tests/gui/CMakeLists.txt).
