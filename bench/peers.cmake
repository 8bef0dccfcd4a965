# Peers that benchmarks compare against; each is linked only to the benchmark that uses it.
find_package(pugixml REQUIRED)
target_link_libraries(DataFileBench PRIVATE pugixml::pugixml)

# ViewBench draws a document of twenty school years made by the tests' school-year fixture.
target_sources(ViewBench PRIVATE ${CMAKE_SOURCE_DIR}/tests/support/ViewSchoolYear.cpp)
target_include_directories(ViewBench PRIVATE ${CMAKE_SOURCE_DIR}/tests)

# ExportBench exports school years made by the same fixture.
target_sources(ExportBench PRIVATE ${CMAKE_SOURCE_DIR}/tests/support/ViewSchoolYear.cpp)
target_include_directories(ExportBench PRIVATE ${CMAKE_SOURCE_DIR}/tests)
