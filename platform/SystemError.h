#pragma once

#include <QCoreApplication>
#include <QString>

// The system's reasons for a failed file operation, told in the interface language.
class SystemError
{
    Q_DECLARE_TR_FUNCTIONS(SystemError)

public:
    // The reason for an errno value; empty for 0.
    static QString text(int code);
};
