# qln_add_test(<name> COMMAND <target> [args...] [LABELS l...] [ENVIRONMENT e...])
#
# Registers a CTest test. In the x86_64 MinGW build the test runs under Wine in
# a prefix inside the build folder, prepared once by the wine_prefix fixture;
# the i686 build has nothing to run its programs, so it registers nothing.
function(qln_add_test name)
    cmake_parse_arguments(ARG "" "" "COMMAND;LABELS;ENVIRONMENT" ${ARGN})
    if(QLN_NO_TEST_RUN)
        return()
    endif()
    add_test(NAME ${name} COMMAND ${ARG_COMMAND})
    set(env ${ARG_ENVIRONMENT})
    set(labels ${ARG_LABELS})
    if(QLN_SANITIZE)
        # Any report fails the test; only Qt's own leaks are suppressed.
        set(labels asan)
        list(APPEND env
             ASAN_OPTIONS=detect_leaks=1:fast_unwind_on_malloc=0
             LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/lsan-qt.supp:print_suppressions=0
             UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1)
    endif()
    if(CMAKE_CROSSCOMPILING AND WIN32)
        qln_wine_fixture()
        list(APPEND labels wine)
        list(APPEND env ${QLN_WINE_ENVIRONMENT})
        set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wine_prefix)
    else()
        list(APPEND env QT_QPA_PLATFORM=offscreen)
    endif()
    set_tests_properties(${name} PROPERTIES LABELS "${labels}" ENVIRONMENT "${env}" TIMEOUT 300)
endfunction()

macro(qln_wine_fixture)
    set(QLN_WINE_PREFIX ${CMAKE_BINARY_DIR}/wineprefix)
    # No Mono or Gecko install dialogs, no X display, quiet debug channels.
    set(QLN_WINE_ENVIRONMENT
        WINEPREFIX=${QLN_WINE_PREFIX} WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml= DISPLAY=)
    if(NOT TEST wine_prefix_setup)
        add_test(NAME wine_prefix_setup
                 COMMAND sh ${PROJECT_SOURCE_DIR}/scripts/wine-prefix.sh setup ${QLN_WINE_PREFIX})
        add_test(NAME wine_prefix_cleanup
                 COMMAND sh ${PROJECT_SOURCE_DIR}/scripts/wine-prefix.sh cleanup ${QLN_WINE_PREFIX})
        set_tests_properties(wine_prefix_setup PROPERTIES
            FIXTURES_SETUP wine_prefix LABELS wine ENVIRONMENT "${QLN_WINE_ENVIRONMENT}" TIMEOUT 600)
        set_tests_properties(wine_prefix_cleanup PROPERTIES
            FIXTURES_CLEANUP wine_prefix LABELS wine ENVIRONMENT "${QLN_WINE_ENVIRONMENT}")
    endif()
endmacro()
