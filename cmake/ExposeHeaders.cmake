# Each library is seen by the others through an include folder of its own in
# the build tree, holding only a link to its source folder. An #include of
# "engine/..." therefore resolves only in targets that link the engine, and an
# include against the layering fails to build.
# Fails the configuration when `target` links a library whose name matches
# `pattern`: the layering a folder keeps, said once in the build.
function(krv1_forbid_links target pattern why)
  get_target_property(links ${target} LINK_LIBRARIES)
  foreach(link IN LISTS links)
    if(link MATCHES "${pattern}")
      message(FATAL_ERROR "${target} may not use ${link}: ${why}")
    endif()
  endforeach()
endfunction()

function(krv1_expose_headers target folder)
  string(REPLACE "/" "_" root_name "${folder}")
  set(root "${CMAKE_BINARY_DIR}/include/${root_name}")
  get_filename_component(parent "${root}/${folder}" DIRECTORY)
  file(MAKE_DIRECTORY "${parent}")
  file(CREATE_LINK "${PROJECT_SOURCE_DIR}/${folder}" "${root}/${folder}" SYMBOLIC)
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "INTERFACE_LIBRARY")
    target_include_directories(${target} INTERFACE "${root}")
  else()
    target_include_directories(${target} PUBLIC "${root}")
  endif()
endfunction()
