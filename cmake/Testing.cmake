# GoogleTest and the helpers that register test programs with CTest.
#
# Each test program is one CTest test (not one per case): under Wine every
# start of a program costs a second or more.

if(TANDREL_WINDOWS)
    # Debian ships GoogleTest as sources; build them with the cross compiler.
    set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
    add_library(tandrel_gtest INTERFACE)
    target_link_libraries(tandrel_gtest INTERFACE gmock gtest)

    # Both bitnesses run their tests under Wine, each in a prefix of its own.
    set(TANDREL_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
    set(TANDREL_WINE_ARCH ${CMAKE_SYSTEM_PROCESSOR})
    if(CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64")
        set(TANDREL_WINE_LOADER /usr/lib/wine/wine64)
    else()
        set(TANDREL_WINE_LOADER /usr/lib/wine/wine)
    endif()
    configure_file(${CMAKE_SOURCE_DIR}/cmake/wine-run.sh.in ${CMAKE_BINARY_DIR}/wine-run.sh
                   @ONLY FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
                   GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
    set(TANDREL_WINE_RUN ${CMAKE_BINARY_DIR}/wine-run.sh)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${TANDREL_WINE_RUN})
    add_test(NAME wine_prefix_setup COMMAND ${TANDREL_WINE_RUN} --setup)
    set_tests_properties(wine_prefix_setup PROPERTIES FIXTURES_SETUP wine)
    add_test(NAME wine_server_stop COMMAND ${TANDREL_WINE_RUN} --stop)
    set_tests_properties(wine_server_stop PROPERTIES FIXTURES_CLEANUP wine)
    # What wine-run.sh answers on a machine that cannot run this bitness.
    set(TANDREL_WINE_SKIPPED 77)
    set_tests_properties(wine_prefix_setup wine_server_stop PROPERTIES
                         LABELS wine SKIP_RETURN_CODE ${TANDREL_WINE_SKIPPED})
else()
    find_package(GTest REQUIRED)
    add_library(tandrel_gtest INTERFACE)
    target_link_libraries(tandrel_gtest INTERFACE GTest::gmock GTest::gtest)
endif()

# tandrel_add_test(<name> LABELS <labels...> SOURCES <files...> LIBRARIES <libs...>)
function(tandrel_add_test name)
    cmake_parse_arguments(ARG "" "" "LABELS;SOURCES;LIBRARIES" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES} tandrel_gtest tandrel_options)
    if(TANDREL_WINDOWS)
        # Every test program carries the module's resources, as the DLL does.
        target_sources(${name} PRIVATE $<TARGET_OBJECTS:tandrel_rc>)
    endif()
    add_test(NAME ${name} COMMAND ${name} --gtest_color=no)
    set(labels ${ARG_LABELS})
    if(TANDREL_WINDOWS)
        list(APPEND labels wine)
        set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wine
                                                SKIP_RETURN_CODE ${TANDREL_WINE_SKIPPED})
        # A program with the win32 adapters (directly or through the COM test
        # support) uses the prefix's registry, windows and COM classes: one
        # such program at a time. The others run only the model and may run
        # beside them (ctest -j).
        if("tandrel_win32" IN_LIST ARG_LIBRARIES OR "tandrel_com_testsupport" IN_LIST ARG_LIBRARIES)
            set_tests_properties(${name} PROPERTIES RESOURCE_LOCK wineprefix)
        endif()
    endif()
    set_tests_properties(${name} PROPERTIES LABELS "${labels}" TIMEOUT 300)
endfunction()
