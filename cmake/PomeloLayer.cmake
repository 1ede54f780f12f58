# pomelo_add_layer(<target> [QT] <file>...)
#
# Makes the files of the current folder a static library, one layer of the
# program. Its headers are included as "<folder>/Name.h" through an include
# root of its own that holds this folder alone, so code reaches only the
# folders of the layers it links: an include of a layer above does not
# compile. A folder within another's is a layer of its own, its headers
# included as "<folder>/<floor>/Name.h", which its parent's users reach too.
# Every header is also compiled on its own against what the layer
# offers its users (the `layer_headers` target builds those checks).
# Without QT the layer is plain C++ and Qt's code generators stay off.
function(pomelo_add_layer target)
    cmake_parse_arguments(PARSE_ARGV 1 arg "QT" "" "")
    file(RELATIVE_PATH folder ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
    string(REPLACE "/" "." root_name ${folder})
    set(root ${PROJECT_BINARY_DIR}/layers/${root_name})
    cmake_path(GET folder PARENT_PATH parent)
    file(MAKE_DIRECTORY ${root}/${parent})
    file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${root}/${folder} SYMBOLIC)

    # The headers once more as the include root shows them. Qt's code
    # generators see them under their own names only, so each is read once.
    set(headers ${arg_UNPARSED_ARGUMENTS})
    list(FILTER headers INCLUDE REGEX "\\.h$")
    list(TRANSFORM headers PREPEND ${root}/${folder}/)
    set_source_files_properties(${headers} PROPERTIES SKIP_AUTOGEN ON)

    add_library(${target} STATIC ${arg_UNPARSED_ARGUMENTS})
    # Every layer's texts are translated (translations/CMakeLists.txt).
    set_property(GLOBAL APPEND PROPERTY POMELO_LAYERS ${target})
    target_sources(${target} PUBLIC FILE_SET HEADERS BASE_DIRS ${root} FILES ${headers})
    target_link_libraries(${target} PRIVATE pomelo_warnings)
    set_target_properties(${target} PROPERTIES VERIFY_INTERFACE_HEADER_SETS ON)
    if(NOT arg_QT)
        set_target_properties(${target} PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)
    endif()
endfunction()
