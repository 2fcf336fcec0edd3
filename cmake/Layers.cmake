# One library per piece of the tree, made the same way on both systems.
#
# A library of platform/ sees, through a folder of links, only its own folders and those of
# what it links, so an include that runs the wrong way does not compile: the class layer
# cannot reach into the Linux engine, only into <windows.h>. HIDDEN keeps a library's folders
# from what links it (one system's engine, serial device and start-up are used through the
# headers of the piece above them, never their own). The program's folders include from the
# top of the source tree.
#
# tavrin_library(name [OBJECT] [HIDDEN] FOLDERS dir... SOURCES file... LINK lib...
#                PRIVATE lib... EXCLUDE file...)
function(tavrin_library name)
    cmake_parse_arguments(L "OBJECT;HIDDEN" "" "FOLDERS;SOURCES;LINK;PRIVATE;EXCLUDE" ${ARGN})
    set(root ${CMAKE_BINARY_DIR}/layers/${name})
    set(sources ${L_SOURCES})
    set(platform_piece FALSE)
    foreach(folder IN LISTS L_FOLDERS)
        file(GLOB found CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${folder}/*.cpp
             ${CMAKE_SOURCE_DIR}/${folder}/*.h)
        list(APPEND sources ${found})
        if(folder MATCHES "^platform/")
            set(platform_piece TRUE)
            get_filename_component(parent ${root}/${folder} DIRECTORY)
            file(MAKE_DIRECTORY ${parent})
            file(CREATE_LINK ${CMAKE_SOURCE_DIR}/${folder} ${root}/${folder} SYMBOLIC)
        endif()
    endforeach()
    foreach(excluded IN LISTS L_EXCLUDE)
        list(REMOVE_ITEM sources ${CMAKE_SOURCE_DIR}/${excluded})
    endforeach()
    if(L_OBJECT)
        add_library(${name} OBJECT ${sources})
    else()
        add_library(${name} STATIC ${sources})
    endif()
    if(NOT platform_piece)
        target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
    elseif(L_HIDDEN)
        target_include_directories(${name} PRIVATE ${root})
    else()
        target_include_directories(${name} PUBLIC ${root})
    endif()
    target_link_libraries(${name} PUBLIC ${L_LINK} PRIVATE ${L_PRIVATE})
endfunction()
