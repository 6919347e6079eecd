# Native build: the core library, the unit tests, the benchmarks, and the test registry that
# also runs the fuzz smoke runs and the Wine end-to-end tests built in the other two trees.
add_library(mw_core STATIC ${MW_CORE_SOURCES})
target_include_directories(mw_core PUBLIC ${CMAKE_SOURCE_DIR})
target_compile_options(mw_core PRIVATE ${MW_WARNINGS})

find_package(GTest REQUIRED)
find_package(Threads REQUIRED)
enable_testing()

file(GLOB_RECURSE MW_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/*Test.cpp)
list(FILTER MW_TEST_SOURCES EXCLUDE REGEX "/tests/e2e/")
file(GLOB MW_TEST_SUPPORT CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/support/*.cpp)
add_library(mw_test_support STATIC ${MW_TEST_SUPPORT} ${CMAKE_SOURCE_DIR}/cmake/empty.cpp)
target_link_libraries(mw_test_support PUBLIC mw_core)

add_executable(unit_tests ${MW_TEST_SOURCES})
target_compile_options(unit_tests PRIVATE ${MW_WARNINGS})
target_compile_definitions(unit_tests PRIVATE MW_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
target_link_libraries(unit_tests PRIVATE mw_test_support GTest::gtest GTest::gtest_main Threads::Threads)
include(GoogleTest)
gtest_discover_tests(unit_tests DISCOVERY_TIMEOUT 60)

find_package(benchmark QUIET)
file(GLOB MW_BENCH_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/bench/*Bench.cpp)
if(benchmark_FOUND AND MW_BENCH_SOURCES)
  add_executable(benchmarks ${MW_BENCH_SOURCES})
  target_link_libraries(benchmarks PRIVATE mw_test_support benchmark::benchmark benchmark::benchmark_main)
endif()

# The data generators' own checks: every figure of the committed tables passes the generators'
# rules; with MW_REFERENCE_DIR (the reference data folder) set, the tables are also regenerated
# from it and must come out the same. The team's reference data lies beside the checkout.
set(MW_REFERENCE_DEFAULT "")
if(EXISTS ${CMAKE_SOURCE_DIR}/../shared/data/reference)
  get_filename_component(MW_REFERENCE_DEFAULT ${CMAKE_SOURCE_DIR}/../shared/data/reference ABSOLUTE)
endif()
set(MW_REFERENCE_DIR "${MW_REFERENCE_DEFAULT}" CACHE PATH "Reference data folder the data generators read (optional)")
find_package(Python3 COMPONENTS Interpreter)
if(Python3_Interpreter_FOUND)
  add_test(NAME data.fasteners
           COMMAND ${Python3_EXECUTABLE} -B ${CMAKE_SOURCE_DIR}/scripts/fasteners/derive_coefficients.py
                   --check ${MW_REFERENCE_DIR})
  add_test(NAME data.surface
           COMMAND ${Python3_EXECUTABLE} -B ${CMAKE_SOURCE_DIR}/scripts/gen_surface_tables.py --check)
  add_test(NAME data.bearings
           COMMAND ${Python3_EXECUTABLE} -B ${CMAKE_SOURCE_DIR}/data/bearings/gen_bearing_tables.py
                   --check ${MW_REFERENCE_DIR})
endif()

# The cutting plan's command line (cutplan FILE) and its report over the bin-packing instances.
add_executable(cutplan ${CMAKE_SOURCE_DIR}/cutplan/cli/CutPlanMain.cpp)
target_compile_options(cutplan PRIVATE ${MW_WARNINGS})
target_link_libraries(cutplan PRIVATE mw_core)
add_executable(cutstock_report ${CMAKE_SOURCE_DIR}/bench/CutStockReport.cpp ${CMAKE_SOURCE_DIR}/bench/CutStockLargeJobs.cpp)
target_compile_options(cutstock_report PRIVATE ${MW_WARNINGS})
target_link_libraries(cutstock_report PRIVATE mw_core)
add_test(NAME cutplan.cli COMMAND bash ${CMAKE_SOURCE_DIR}/tests/cutplan/cutplan-cli-test.sh $<TARGET_FILE:cutplan>)
target_compile_definitions(cutstock_report PRIVATE MW_CUTSTOCK_DATA="${CMAKE_SOURCE_DIR}/../shared/data/cutstock")

# The set-up's package steps against a stub apt-get (no network, nothing installed).
add_test(NAME scripts.setup-apt COMMAND bash ${CMAKE_SOURCE_DIR}/tests/scripts/setup-apt-test.sh)
# The Wine test script's reading of test filters.
add_test(NAME scripts.gtest-filter COMMAND bash ${CMAKE_SOURCE_DIR}/tests/scripts/gtest-filter-test.sh)

# Fuzz smoke runs: each target of the fuzz tree runs for a short while on its seed corpus.
set(MW_FUZZ_DIR "${CMAKE_SOURCE_DIR}/build/fuzz" CACHE PATH "Build tree of the fuzz targets")
set(MW_FUZZ_SECONDS 20 CACHE STRING "Seconds of each fuzz smoke run")
file(GLOB MW_FUZZ_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/fuzz/*Fuzz.cpp)
foreach(src ${MW_FUZZ_SOURCES})
  get_filename_component(name ${src} NAME_WE)
  add_test(NAME fuzz.${name}
           COMMAND ${CMAKE_SOURCE_DIR}/scripts/fuzz-smoke.sh ${MW_FUZZ_DIR}/${name}
                   ${CMAKE_SOURCE_DIR}/fuzz/corpus/${name} ${MW_FUZZ_SECONDS})
endforeach()

# End-to-end: the real exe under Wine, driven by the Windows test binary.
set(MW_E2E_DIR "${CMAKE_SOURCE_DIR}/build/win32" CACHE PATH "Build tree of the Windows program the tests run")
add_test(NAME e2e.wine COMMAND ${CMAKE_SOURCE_DIR}/scripts/wine-test.sh ${MW_E2E_DIR})
set_tests_properties(e2e.wine PROPERTIES TIMEOUT 1800)
