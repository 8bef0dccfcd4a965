# Peers that benchmarks compare against; each is linked only to the benchmark that uses it.
find_package(pugixml REQUIRED)
target_link_libraries(DataFileBench PRIVATE pugixml::pugixml)
