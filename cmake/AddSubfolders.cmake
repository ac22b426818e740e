# Adds every direct subfolder of the current folder that has its own
# CMakeLists.txt, so a new tool or benchmark needs no edit here.
file(GLOB vorn_children LIST_DIRECTORIES true RELATIVE "${CMAKE_CURRENT_SOURCE_DIR}" "${CMAKE_CURRENT_SOURCE_DIR}/*")
list(SORT vorn_children)
foreach(child IN LISTS vorn_children)
    if(EXISTS "${CMAKE_CURRENT_SOURCE_DIR}/${child}/CMakeLists.txt")
        add_subdirectory(${child})
    endif()
endforeach()
