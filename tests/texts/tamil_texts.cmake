# The Tamil tables checked against the English ones and docs/tamil-glossary.md; the window's
# translation and the Tamil guide checked against the glossary's rejected forms.
velmora_add_core_test(tamil_texts_tests tamil_texts_test.cpp)
target_compile_definitions(tamil_texts_tests PRIVATE
  VELMORA_TAMIL_GLOSSARY="${PROJECT_SOURCE_DIR}/docs/tamil-glossary.md"
  VELMORA_TAMIL_TRANSLATION="${PROJECT_SOURCE_DIR}/translations/velmora_ta.ts"
  VELMORA_TAMIL_GUIDE="${PROJECT_SOURCE_DIR}/resources/help/index-ta.html")
