# The Tamil tables checked against the English ones and docs/tamil-glossary.md.
velmora_add_core_test(tamil_texts_tests tamil_texts_test.cpp)
target_compile_definitions(tamil_texts_tests PRIVATE
  VELMORA_TAMIL_GLOSSARY="${PROJECT_SOURCE_DIR}/docs/tamil-glossary.md")
