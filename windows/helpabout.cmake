# Sources of the Help and About windows (included by windows/CMakeLists.txt).
target_sources(quillora_gui PRIVATE
    aboutwindow.cpp aboutwindow.h
    pictures.cpp pictures.h
    winhelp.cpp winhelp.h
)
