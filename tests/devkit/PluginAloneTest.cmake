# Run by ctest (see CMakeLists.txt here): installs the stand-in host as a kit
# into a fresh folder, configures and builds src/ alone against it, installs
# that build as a host module, and deforms the built-in examples with the
# in-tree plug-in, the plug-in built alone and the installed one.

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT result EQUAL 0)
    string(REPLACE ";" " " command "${ARGN}")
    message(FATAL_ERROR "failed (${result}): ${command}\n${out}")
  endif()
endfunction()

function(expect_same_files first second)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${first}" "${second}" RESULT_VARIABLE differ)
  if(NOT differ EQUAL 0)
    message(FATAL_ERROR "${second} differs from ${first}")
  endif()
endfunction()

file(REMOVE_RECURSE "${WORK_DIR}")
set(kit "${WORK_DIR}/kit")
set(build "${WORK_DIR}/build-plugin")
set(module "${WORK_DIR}/module")

# The stand-in as a kit.
run(${CMAKE_COMMAND} --install "${TREE_BUILD_DIR}" --component devkit --prefix "${kit}")
foreach(expected include/maya/MTypes.h include/maya/MFnPlugin.h lib/libOpenMaya.so lib/libOpenMayaFX.so
    include/tbb/task_group.h lib/libtbb.so)
  if(NOT EXISTS "${kit}/${expected}")
    message(FATAL_ERROR "the installed kit lacks ${expected}")
  endif()
endforeach()

# The plug-in alone, against the kit given through the environment, as a
# user of the real kit would.
set(configure ${CMAKE_COMMAND} -S "${PLUGIN_SOURCE_DIR}" -B "${build}" -G "${GENERATOR}"
  "-DCMAKE_CXX_COMPILER=${CXX_COMPILER}" "-DCMAKE_BUILD_TYPE=${BUILD_TYPE}")
if(MAKE_PROGRAM)
  list(APPEND configure "-DCMAKE_MAKE_PROGRAM=${MAKE_PROGRAM}")
endif()
if(CXX_LAUNCHER)
  list(APPEND configure "-DCMAKE_CXX_COMPILER_LAUNCHER=${CXX_LAUNCHER}")
endif()
run(${CMAKE_COMMAND} -E env "DEVKIT_LOCATION=${kit}" ${configure})
run(${CMAKE_COMMAND} --build "${build}" -j 2)
run(${CMAKE_COMMAND} --install "${build}" --prefix "${module}")

file(READ "${module}/KavoNoiseDeformer.mod" module_text)
set(expected_module_text
  "+ PLATFORM:linux KavoNoiseDeformer 1.2 ./linux\n+ PLATFORM:win64 KavoNoiseDeformer 1.2 ./win64\n+ PLATFORM:mac KavoNoiseDeformer 1.2 ./mac\n")
if(NOT module_text STREQUAL expected_module_text)
  message(FATAL_ERROR "KavoNoiseDeformer.mod reads:\n${module_text}")
endif()

# Every geometry kind, fractal noise and the handle's drawing in a preview.
set(outputs torus.obj nurbs-sphere.obj helix.obj particles.ply subd-cube.obj preview.png)
foreach(plugin IN ITEMS tree alone installed)
  if(plugin STREQUAL "tree")
    set(path "${TREE_PLUGIN}")
  elseif(plugin STREQUAL "alone")
    set(path "${build}/KavoNoiseDeformer.so")
  else()
    set(path "${module}/linux/plug-ins/KavoNoiseDeformer.so")
  endif()
  set(out "${WORK_DIR}/${plugin}")
  file(MAKE_DIRECTORY "${out}")
  run("${APP}" --plugin "${path}" --quiet
    @torus:24x12 @nurbs-sphere @helix:40 @particles:300 @subd-cube:1
    -o "${out}/torus.obj" "${out}/nurbs-sphere.obj" "${out}/helix.obj" "${out}/particles.ply" "${out}/subd-cube.obj"
    --set fractalState=on --set iterations=2.5 --set roughness=0.7 --set boundingBoxState=on --set falloff=0.3
    --handle-scale 2,2,2 --frame 7 --preview "${out}/preview.png" --preview-size 160x120)
endforeach()
foreach(plugin IN ITEMS alone installed)
  foreach(output IN LISTS outputs)
    expect_same_files("${WORK_DIR}/tree/${output}" "${WORK_DIR}/${plugin}/${output}")
  endforeach()
endforeach()

file(REMOVE_RECURSE "${WORK_DIR}")
