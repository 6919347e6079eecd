# Windows build: MaterialWeight.exe (one static 32-bit PE) and the end-to-end test binaries
# that start it under Wine.
enable_language(RC)
set(MW_WIN32_DEFS UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0501 WINVER=0x0501)
set(MW_STATIC_LINK -static -static-libgcc -static-libstdc++)

add_library(mw_core STATIC ${MW_CORE_SOURCES} ${CMAKE_SOURCE_DIR}/cmake/empty.cpp)
target_include_directories(mw_core PUBLIC ${CMAKE_SOURCE_DIR})
target_compile_options(mw_core PRIVATE ${MW_WARNINGS})
target_compile_definitions(mw_core PUBLIC ${MW_WIN32_DEFS})

add_library(mw_win32 STATIC ${MW_WIN32_SOURCES} ${CMAKE_SOURCE_DIR}/cmake/empty.cpp)
target_link_libraries(mw_win32 PUBLIC mw_core)
target_compile_options(mw_win32 PRIVATE ${MW_WARNINGS})

set(MW_SYSTEM_LIBS comctl32 comdlg32 winspool gdi32 user32 shell32 ole32 oleaut32 uuid advapi32 wininet psapi version winmm msimg32 uxtheme)

add_executable(MaterialWeight WIN32 ${CMAKE_SOURCE_DIR}/app/WinMainWin32.cpp ${CMAKE_SOURCE_DIR}/res/MaterialWeight.rc)
target_link_libraries(MaterialWeight PRIVATE -Wl,--whole-archive mw_win32 -Wl,--no-whole-archive mw_core ${MW_SYSTEM_LIBS})
target_link_options(MaterialWeight PRIVATE ${MW_STATIC_LINK} -municode -mwindows)
target_include_directories(MaterialWeight PRIVATE ${CMAKE_SOURCE_DIR})
set_target_properties(MaterialWeight PROPERTIES OUTPUT_NAME MaterialWeight RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})

# GoogleTest built with this toolchain, for the tests that run under Wine.
set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

file(GLOB_RECURSE MW_E2E_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/*.cpp)
add_executable(e2e_tests ${MW_E2E_SOURCES})
target_include_directories(e2e_tests PRIVATE ${CMAKE_SOURCE_DIR})
target_compile_options(e2e_tests PRIVATE ${MW_WARNINGS})
target_link_libraries(e2e_tests PRIVATE mw_win32 mw_core gtest gtest_main ${MW_SYSTEM_LIBS})
target_link_options(e2e_tests PRIVATE ${MW_STATIC_LINK})

# Responsiveness under Wine: the yardstick programs (an empty dialog of the same caption, the main
# window's template alone, the template with page one in it, and that importing the program's
# system libraries) and the driver that times the program against them (make bench).
add_executable(EmptyDialog WIN32 ${CMAKE_SOURCE_DIR}/bench/wine/EmptyDialogWin32.cpp ${CMAKE_SOURCE_DIR}/bench/wine/EmptyDialog.rc)
target_include_directories(EmptyDialog PRIVATE ${CMAKE_SOURCE_DIR})
target_link_options(EmptyDialog PRIVATE ${MW_STATIC_LINK} -municode -mwindows)
add_executable(TemplateDialog WIN32 ${CMAKE_SOURCE_DIR}/bench/wine/EmptyDialogWin32.cpp ${CMAKE_SOURCE_DIR}/res/MaterialWeight.rc)
target_compile_definitions(TemplateDialog PRIVATE MW_TEMPLATE_YARDSTICK)
target_include_directories(TemplateDialog PRIVATE ${CMAKE_SOURCE_DIR})
target_link_libraries(TemplateDialog PRIVATE comctl32)
target_link_options(TemplateDialog PRIVATE ${MW_STATIC_LINK} -municode -mwindows)
add_executable(PageDialog WIN32 ${CMAKE_SOURCE_DIR}/bench/wine/EmptyDialogWin32.cpp ${CMAKE_SOURCE_DIR}/res/MaterialWeight.rc)
target_compile_definitions(PageDialog PRIVATE MW_PAGE_YARDSTICK)
target_include_directories(PageDialog PRIVATE ${CMAKE_SOURCE_DIR})
target_link_libraries(PageDialog PRIVATE comctl32)
target_link_options(PageDialog PRIVATE ${MW_STATIC_LINK} -municode -mwindows)
add_executable(PageDllDialog WIN32 ${CMAKE_SOURCE_DIR}/bench/wine/EmptyDialogWin32.cpp ${CMAKE_SOURCE_DIR}/res/MaterialWeight.rc)
target_compile_definitions(PageDllDialog PRIVATE MW_PAGE_YARDSTICK MW_DLL_YARDSTICK)
target_include_directories(PageDllDialog PRIVATE ${CMAKE_SOURCE_DIR})
target_link_libraries(PageDllDialog PRIVATE ${MW_SYSTEM_LIBS})
target_link_options(PageDllDialog PRIVATE ${MW_STATIC_LINK} -municode -mwindows)
add_executable(wine_bench ${CMAKE_SOURCE_DIR}/bench/wine/WineBenchWin32.cpp ${CMAKE_SOURCE_DIR}/tests/e2e/support/AppUnderTest.cpp)
target_include_directories(wine_bench PRIVATE ${CMAKE_SOURCE_DIR})
target_compile_options(wine_bench PRIVATE ${MW_WARNINGS})
target_link_libraries(wine_bench PRIVATE ${MW_SYSTEM_LIBS})
target_link_options(wine_bench PRIVATE ${MW_STATIC_LINK})
# The benchmark types into the program through the end-to-end driver's control messages too.
target_sources(wine_bench PRIVATE ${CMAKE_SOURCE_DIR}/tests/e2e/support/ControlMessages.cpp)

# The soak: the program driven for a long run, what it holds measured at the start and the end.
add_executable(soak_bench ${CMAKE_SOURCE_DIR}/bench/wine/SoakBenchWin32.cpp ${CMAKE_SOURCE_DIR}/tests/e2e/support/Soak.cpp
               ${CMAKE_SOURCE_DIR}/tests/e2e/support/AppUnderTest.cpp
               ${CMAKE_SOURCE_DIR}/tests/e2e/support/ControlMessages.cpp
               ${CMAKE_SOURCE_DIR}/tests/e2e/support/ScreenAndResources.cpp)
target_include_directories(soak_bench PRIVATE ${CMAKE_SOURCE_DIR})
target_compile_options(soak_bench PRIVATE ${MW_WARNINGS})
target_link_libraries(soak_bench PRIVATE ${MW_SYSTEM_LIBS})
target_link_options(soak_bench PRIVATE ${MW_STATIC_LINK})

# The update server the program asks when its settings name none: "host" or "host:port". Empty
# (the default) means no check unless the settings name a server; a release sets it with
# -DMW_UPDATE_SERVER=... The tests never reach it: they run without a network.
set(MW_UPDATE_SERVER "" CACHE STRING "Update server compiled into the program")
set_property(SOURCE ${CMAKE_SOURCE_DIR}/update/UpDate.cpp APPEND PROPERTY
             COMPILE_DEFINITIONS MW_UPDATE_SERVER="${MW_UPDATE_SERVER}")
# The maker's web pages: the About window's download and shop buttons and the banner link, each
# disabled while its address is empty (the default): -DMW_DOWNLOAD_PAGE=https://... and so on.
set(MW_DOWNLOAD_PAGE "" CACHE STRING "Download page opened by the About window's update button")
set(MW_SHOP_PAGE "" CACHE STRING "Web shop opened by the About window's shop button")
set(MW_HOME_PAGE "" CACHE STRING "Maker's page opened by the banner link")
foreach(page MW_DOWNLOAD_PAGE MW_SHOP_PAGE MW_HOME_PAGE)
  if(NOT "${${page}}" STREQUAL "")
    add_compile_definitions(${page}="${${page}}")
  endif()
endforeach()
