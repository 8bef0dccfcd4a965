# Peers that benchmarks compare against; each is linked only to the benchmark that uses it.
find_package(pugixml REQUIRED)
target_link_libraries(DataFileBench PRIVATE pugixml::pugixml)

# ViewBench draws a document of twenty school years made by the tests' school-year fixture.
target_sources(ViewBench PRIVATE ${CMAKE_SOURCE_DIR}/tests/support/ViewSchoolYear.cpp)
target_include_directories(ViewBench PRIVATE ${CMAKE_SOURCE_DIR}/tests)

# ExportBench exports school years made by the same fixture; zlib deflates the workbook's XML as
# libxlsxwriter's zip writer does, the workbook's yardstick.
target_sources(ExportBench PRIVATE ${CMAKE_SOURCE_DIR}/tests/support/ViewSchoolYear.cpp)
target_include_directories(ExportBench PRIVATE ${CMAKE_SOURCE_DIR}/tests)
find_package(ZLIB REQUIRED)
target_link_libraries(ExportBench PRIVATE ZLIB::ZLIB)

# PrintBench prints a school year made by the same fixture.
target_sources(PrintBench PRIVATE ${CMAKE_SOURCE_DIR}/tests/support/ViewSchoolYear.cpp)
target_include_directories(PrintBench PRIVATE ${CMAKE_SOURCE_DIR}/tests)

# The start-up measure's yardstick: a bare Qt Widgets window, linked to nothing of the application.
find_package(Qt6 REQUIRED COMPONENTS Widgets)
add_executable(BareWindow startup/BareWindow.cpp)
target_link_libraries(BareWindow PRIVATE Qt6::Widgets)
add_executable(WriteLargeFile startup/WriteLargeFile.cpp)
target_link_libraries(WriteLargeFile PRIVATE planova_core)
