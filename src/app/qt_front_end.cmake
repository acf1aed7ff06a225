# The Qt front end: a library the program, the screenshot tool and the
# window tests share, and the program itself.
find_package(Qt6 6.4 REQUIRED COMPONENTS Widgets)
qt_standard_project_setup()

add_library(velmorandine_gui STATIC
    program_icon.cpp
    trainer_app.cpp
    trainer_dlg.cpp
    window_platform.cpp)
target_link_libraries(velmorandine_gui PUBLIC velmorandine_core Qt6::Widgets PRIVATE velmo_warnings)

add_executable(velmorandine main.cpp)
target_link_libraries(velmorandine PRIVATE velmorandine_gui velmo_warnings)
install(TARGETS velmorandine RUNTIME DESTINATION bin)

