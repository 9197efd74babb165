#pragma once

#include <QString>

#include "model/reading_results.h"
#include "texts/language_texts.h"

class QWidget;

namespace velmora {

class Platform;
class ReadingSession;
struct FileFailure;

// Why a file could not be read or written, in the words of the window's messages.
QString FailureReason(const FileFailure& failure);

// Asks where to save and writes the reading there; a failure is reported to the
// user and leaves any older file of that name whole. A cancelled dialog does nothing.
void SaveReadingFile(Platform& platform, QWidget* parent, const ReadingResults& reading);

// Asks which saved reading to open: the chosen name, or an empty one when cancelled.
QString AskReadingToOpen(Platform& platform, QWidget* parent);

// Reopens the reading saved in fileName in `session`; true when it is shown. An
// empty name does nothing; a name not ending in "tam", a file that cannot be read
// and a file that holds no reading are refused, the user told why, and `session`
// is left as it was; the messages are in `language`. The window and `velmora --pdf`
// both open files here.
bool ReopenReadingFile(Platform& platform, QWidget* parent, const QString& fileName, ReadingSession& session,
                       Language language);

} // namespace velmora
