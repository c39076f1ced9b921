# Flags shared by every target of the project.
add_library(qv_common INTERFACE)
target_compile_features(qv_common INTERFACE cxx_std_20)
target_compile_options(qv_common INTERFACE
  -Wall -Wextra -Wnon-virtual-dtor)
target_compile_definitions(qv_common INTERFACE
  QT_NO_CAST_FROM_ASCII
  QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
  QT_DISABLE_DEPRECATED_BEFORE=0x060400
  QV_VERSION_MAJOR=${PROJECT_VERSION_MAJOR}
  QV_VERSION_MINOR=${PROJECT_VERSION_MINOR}
  QV_VERSION_PATCH=${PROJECT_VERSION_PATCH})

if(QV_SANITIZE)
  target_compile_options(qv_common INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  target_link_options(qv_common INTERFACE -fsanitize=address,undefined)
endif()

if(QV_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "QV_FUZZ needs clang (CC=clang CXX=clang++)")
  endif()
  # Instrument everything for coverage; the fuzz targets add the libFuzzer main.
  target_compile_options(qv_common INTERFACE -fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer)
  target_link_options(qv_common INTERFACE -fsanitize=address,undefined)
endif()
