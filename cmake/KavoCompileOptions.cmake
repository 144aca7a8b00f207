# Compiler settings shared by every target.
#
# The noise and the point arithmetic are defined to the bit, so no target may
# contract a*b+c into a fused multiply-add or reorder floating-point sums:
# -ffp-contract=off, and never -ffast-math (MSVC: /fp:precise, which neither
# reorders nor, from Visual Studio 2022 on, contracts).

# C++17 without compiler extensions, position-independent everywhere: the
# plug-in is a shared object and links the objects the tests link too.
set(CMAKE_CXX_STANDARD 17)
set(CMAKE_CXX_STANDARD_REQUIRED ON)
set(CMAKE_CXX_EXTENSIONS OFF)
set(CMAKE_POSITION_INDEPENDENT_CODE ON)

# Located status reports name files relative to the repository root
# ("src/NoiseDeformerNode.cpp"), whatever folder the build runs in.
if(NOT DEFINED KAVO_REPOSITORY_ROOT)
  set(KAVO_REPOSITORY_ROOT ${PROJECT_SOURCE_DIR})
endif()

if(MSVC)
  add_compile_options(/fp:precise /W4)
else()
  add_compile_options(
    -ffp-contract=off
    -fno-fast-math
    -Wall -Wextra
    "-fmacro-prefix-map=${KAVO_REPOSITORY_ROOT}/="
  )
endif()

# float-cast-overflow is not part of undefined, though converting NaN or a
# value out of the integer's range is: the noise kernels must never do it.
if(KAVO_SANITIZE)
  set(kavo_sanitize_flags -fsanitize=address,undefined,float-cast-overflow
    -fno-sanitize-recover=undefined,float-cast-overflow -fno-omit-frame-pointer)
  add_compile_options(${kavo_sanitize_flags})
  add_link_options(${kavo_sanitize_flags})
endif()

# Coverage for libFuzzer plus both sanitizers on every object the fuzz
# targets link; the targets add the fuzzer's own main.
if(KAVO_FUZZ)
  set(kavo_fuzz_flags -fsanitize=fuzzer-no-link,address,undefined,float-cast-overflow
    -fno-sanitize-recover=undefined,float-cast-overflow -fno-omit-frame-pointer)
  add_compile_options(${kavo_fuzz_flags})
  add_link_options(-fsanitize=address,undefined,float-cast-overflow)
endif()
