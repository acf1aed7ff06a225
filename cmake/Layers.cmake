# The build states the structure: every library and program of our own sits
# in a layer, and a layer reaches only the layers declared below it.
#
#   common (with system/) < panel < scores < quiz < trainers < shell < the
#   windows (qt, win32, web) and the replay tool < the Qt tools (icon,
#   screenshot); progress (the practice log) over common, below quiz
#
# Includes: a layer's targets see only its own folders and, through what
# they link, the folders of the layers below, so an include that reaches
# upward does not compile.  Links: velmo_check_layers() fails the
# configuration when a target links one of a layer not below its own (the
# web page linking the replay tool, say).  An include that climbs out of its
# folder ("../") would get round the include paths, so none may.

# velmo_layer_below(LAYER [LOWER...]): declares LAYER over the layers LOWER
# and everything below them.
function(velmo_layer_below layer)
    set(below ${ARGN})
    foreach(lower IN LISTS ARGN)
        get_property(lower_below GLOBAL PROPERTY VELMO_BELOW_${lower})
        list(APPEND below ${lower_below})
    endforeach()
    list(REMOVE_DUPLICATES below)
    set_property(GLOBAL PROPERTY VELMO_BELOW_${layer} ${below})
    set_property(GLOBAL PROPERTY VELMO_LAYER_DECLARED_${layer} TRUE)
endfunction()

# velmo_in_layer(LAYER TARGET... [FOLDERS folder...]): puts the targets in
# LAYER; with FOLDERS, the first target publishes an include path that holds
# just those folders of src/ (through links in the build tree), each under
# its own path ("common/...", "app/web/...").
function(velmo_in_layer layer)
    cmake_parse_arguments(arg "" "" "FOLDERS" ${ARGN})
    get_property(declared GLOBAL PROPERTY VELMO_LAYER_DECLARED_${layer})
    if(NOT declared)
        message(FATAL_ERROR "velmo_in_layer: no layer '${layer}' is declared")
    endif()
    foreach(target IN LISTS arg_UNPARSED_ARGUMENTS)
        set_property(TARGET ${target} PROPERTY VELMO_LAYER ${layer})
        set_property(GLOBAL APPEND PROPERTY VELMO_LAYERED_TARGETS ${target})
    endforeach()
    if(arg_FOLDERS)
        list(GET arg_UNPARSED_ARGUMENTS 0 owner)
        set(include_root ${PROJECT_BINARY_DIR}/layer-include/${owner})
        foreach(folder IN LISTS arg_FOLDERS)
            get_filename_component(parent ${include_root}/${folder} DIRECTORY)
            file(MAKE_DIRECTORY ${parent})
            file(CREATE_LINK ${PROJECT_SOURCE_DIR}/src/${folder} ${include_root}/${folder} SYMBOLIC)
            file(GLOB_RECURSE sources ${PROJECT_SOURCE_DIR}/src/${folder}/*.cpp ${PROJECT_SOURCE_DIR}/src/${folder}/*.h)
            set_property(GLOBAL APPEND PROPERTY VELMO_LAYERED_SOURCES ${sources})
        endforeach()
        get_target_property(type ${owner} TYPE)
        if(type STREQUAL "INTERFACE_LIBRARY")
            target_include_directories(${owner} INTERFACE ${include_root})
        else()
            target_include_directories(${owner} PUBLIC ${include_root})
        endif()
    endif()
endfunction()

# Fails the configuration on a link that reaches up or sideways, or an
# include that climbs out of its folder.
function(velmo_check_layers)
    get_property(targets GLOBAL PROPERTY VELMO_LAYERED_TARGETS)
    foreach(target IN LISTS targets)
        get_target_property(layer ${target} VELMO_LAYER)
        get_property(below GLOBAL PROPERTY VELMO_BELOW_${layer})
        get_target_property(type ${target} TYPE)
        if(type STREQUAL "INTERFACE_LIBRARY")
            get_target_property(links ${target} INTERFACE_LINK_LIBRARIES)
        else()
            get_target_property(links ${target} LINK_LIBRARIES)
        endif()
        foreach(link IN LISTS links)
            string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" link "${link}")
            if(NOT TARGET "${link}")
                continue()
            endif()
            get_target_property(link_layer ${link} VELMO_LAYER)
            if(link_layer AND NOT link_layer STREQUAL layer AND NOT link_layer IN_LIST below)
                message(FATAL_ERROR "${target} (layer ${layer}) links ${link} (layer ${link_layer}), "
                                    "which is not below it")
            endif()
        endforeach()
    endforeach()
    get_property(sources GLOBAL PROPERTY VELMO_LAYERED_SOURCES)
    file(GLOB_RECURSE tool_sources ${PROJECT_SOURCE_DIR}/tools/*.cpp ${PROJECT_SOURCE_DIR}/tools/*.h)
    foreach(source IN LISTS sources tool_sources)
        file(STRINGS ${source} climbing REGEX "^[ \t]*#[ \t]*include[ \t]*\"\\.\\./")
        if(climbing)
            message(FATAL_ERROR "${source}: an include that climbs out of its folder: ${climbing}")
        endif()
    endforeach()
endfunction()

velmo_layer_below(common)
velmo_layer_below(panel common)
velmo_layer_below(progress common)
velmo_layer_below(scores panel)
velmo_layer_below(quiz scores progress)
velmo_layer_below(trainers quiz)
velmo_layer_below(shell trainers)
velmo_layer_below(qt shell)
velmo_layer_below(win32 shell)
velmo_layer_below(web shell)
velmo_layer_below(replay shell)
velmo_layer_below(qt_tools qt)
