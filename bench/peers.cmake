# ViewBench draws a document of twenty school years made by the tests' school-year fixture.
if(TARGET ViewBench)
  target_sources(ViewBench PRIVATE ${CMAKE_SOURCE_DIR}/tests/support/ViewSchoolYear.cpp)
  target_include_directories(ViewBench PRIVATE ${CMAKE_SOURCE_DIR}/tests)
endif()
