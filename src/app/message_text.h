#pragma once

#include <QString>

namespace velmora {

// Text from outside (a path, an argument) as a message shows it: control
// characters written as \xNN, so that nothing printed can drive a terminal, and
// cut, so that a huge argument does not become a huge message.

// A path at most 160 characters long: a longer one keeps its start and its end,
// where the file's own name is, around "...".
QString PathInMessage(const QString& path);

// An argument in double quotes, its quotes and backslashes escaped, cut after 40
// characters with "..." after the closing quote, as the command line's messages cut them.
QString QuotedInMessage(const QString& text);

} // namespace velmora
