# The synthetic drawing generator, shared by the benchmarks and the tests:
# whichever of them comes first defines it.
include_guard(GLOBAL)
add_library(tramel_synthetic STATIC ${CMAKE_CURRENT_LIST_DIR}/synthetic.cpp)
target_include_directories(tramel_synthetic PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(tramel_synthetic PUBLIC tramel_entities tramel_geometry)
set_target_properties(tramel_synthetic PROPERTIES AUTOMOC OFF)
