# ladrix_add_test(NAME [GUI] SOURCES ... LIBS ...): one GoogleTest program, registered with ctest.
# Tests run headless (offscreen platform). GUI tests get a QApplication and no leak checks,
# since the platform plugins keep caches alive until exit.
function(ladrix_add_test name)
    cmake_parse_arguments(ARG "GUI" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    set(env "QT_QPA_PLATFORM=offscreen")
    if(ARG_GUI)
        target_link_libraries(${name} PRIVATE ${ARG_LIBS} ladrix_guitestmain)
        list(APPEND env "ASAN_OPTIONS=detect_leaks=0")
    else()
        target_link_libraries(${name} PRIVATE ${ARG_LIBS} ladrix_testmain)
    endif()
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "${env}" TIMEOUT 600)
endfunction()
