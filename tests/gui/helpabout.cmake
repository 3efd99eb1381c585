# Tests of the Help and About windows (included by tests/gui/CMakeLists.txt).
quillora_add_gui_test(tst_tagrenderer tst_tagrenderer.cpp)
quillora_add_gui_test(tst_winhelp tst_winhelp.cpp ${app_sources})
quillora_add_gui_test(tst_aboutwindow tst_aboutwindow.cpp ${app_sources})
