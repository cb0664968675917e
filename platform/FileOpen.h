#pragma once

class QFile;
class QString;

// Opens a file for reading without blocking on a pipe or device. Returns 0, or the system's
// error number for the failure (a QFile alone only says why in English).
int OpenForReading(QFile& file, const QString& path);
