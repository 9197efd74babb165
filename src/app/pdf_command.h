#pragma once

#include <QString>

namespace velmora {

// `velmora --pdf OUT.pdf FILE.tam`: writes the saved reading's report as a PDF, with
// no window. Returns the exit status: 0 when written; 1, after saying why on the
// standard error, when the file is refused or the PDF cannot be written.
int WriteSavedReadingPdf(const QString& pdfPath, const QString& readingPath);

} // namespace velmora
