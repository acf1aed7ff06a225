# velmo_windows_resources(TARGET DESCRIPTION): gives a Windows program the
# application manifest (visual styles, per-monitor DPI awareness, asInvoker,
# the supported Windows versions) and a version resource whose numbers come
# from project() and nowhere else.
set(VELMO_RESOURCE_TEMPLATES ${CMAKE_CURRENT_LIST_DIR}/../packaging/windows)

function(velmo_windows_resources target description)
    set(VELMO_RESOURCE_TARGET ${target})
    set(VELMO_RESOURCE_DESCRIPTION "${description}")
    set(VELMO_RESOURCE_VERSION "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH}.0")
    set(dir ${CMAKE_CURRENT_BINARY_DIR}/resources-${target})
    set(VELMO_RESOURCE_MANIFEST ${dir}/${target}.exe.manifest)
    configure_file(${VELMO_RESOURCE_TEMPLATES}/velmorandine.manifest.in ${VELMO_RESOURCE_MANIFEST} @ONLY)
    configure_file(${VELMO_RESOURCE_TEMPLATES}/program_resources.rc.in ${dir}/program_resources.rc @ONLY)
    target_sources(${target} PRIVATE ${dir}/program_resources.rc)
    # windres does not tell the build which files a script pulls in.
    set_source_files_properties(${dir}/program_resources.rc PROPERTIES OBJECT_DEPENDS ${VELMO_RESOURCE_MANIFEST})
endfunction()
