# A drawing window's picture in an image: shared by the redraw benchmark and
# the view tests.
include_guard(GLOBAL)
add_library(tramel_immagine_finestra STATIC ${CMAKE_CURRENT_LIST_DIR}/immagine_finestra.cpp)
target_include_directories(tramel_immagine_finestra PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(tramel_immagine_finestra PUBLIC tramel_view tramel_platform Qt6::Gui)
set_target_properties(tramel_immagine_finestra PROPERTIES AUTOMOC OFF)
