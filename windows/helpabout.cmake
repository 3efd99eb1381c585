# The Help and About windows, their tagged-text renderer and pictures (included by
# windows/CMakeLists.txt).
target_sources(quillora_gui PRIVATE
    aboutwindow.cpp aboutwindow.h
    pictures.cpp pictures.h
    styledtextfield.cpp styledtextfield.h
    tagrenderer.cpp tagrenderer.h
    winhelp.cpp winhelp.h
)

# The help text, the credits and the About window's pictures, under ":/quillora/". The pictures
# are made by tools/artwork/make_artwork.py.
qt_add_resources(quillora_gui "quillora_helpabout"
    PREFIX "/quillora"
    BASE "${PROJECT_SOURCE_DIR}/resources"
    FILES
        "${PROJECT_SOURCE_DIR}/resources/help.txt"
        "${PROJECT_SOURCE_DIR}/resources/credits.txt"
        "${PROJECT_SOURCE_DIR}/resources/pictures/168-icon.png"
        "${PROJECT_SOURCE_DIR}/resources/pictures/169-icon-mask.png"
        "${PROJECT_SOURCE_DIR}/resources/pictures/170-badge.png"
        "${PROJECT_SOURCE_DIR}/resources/pictures/171-badge-mask.png"
)
