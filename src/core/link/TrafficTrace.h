#pragma once
// The traffic trace, "log.txt" in the current folder unless another file is
// named: every line is appended by opening, writing and closing the file, so
// the trace is complete on disk after each line. A file that cannot be opened
// only loses its line; the first such failure is passed to the failure
// handler, if one is set.
// Links on several ports at once share the file: each line goes out whole, and
// a link given a port tag starts its lines with "[tag] " so that they can be
// told apart (a single link has no tag and keeps the plain format).
#include <QByteArray>
#include <QString>
#include <functional>

namespace traffic_trace {

constexpr const char *FileName = "log.txt";
// The trace file's full path, for messages that point the user to it.
QString path();
// The file the trace goes to; empty: FileName in the current folder.
void setFile(const QString &file);
// Called once, with the path and the reason, when a line cannot be written.
void setFailureHandler(std::function<void(const QString &path, const QString &reason)> handler);

// Local date and time ("%x %X"), a blank and the name.
void header(const QString &name, const QString &portTag = QString());
// "W: " and each byte as "%02X ".
void written(const QByteArray &bytes, const QString &portTag = QString());
// "R: " and each byte received as "%02X ".
void received(const QByteArray &bytes, const QString &portTag = QString());

// The line texts, without line end.
QString headerLine(const QString &name);
QString bytesLine(const char *prefix, const QByteArray &bytes);

}
