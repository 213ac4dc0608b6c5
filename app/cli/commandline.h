#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "base/argumentmap.h"

namespace Qln::Cli {

// What the console program was asked to do. Options may stand anywhere; `--key=value` and
// `--key value` are the same, and a single dash works as well.
struct CommandLine {
    QString command;     // "devices", "updates", ..., "backup create" / "check" / "restore"
    QString file;        // the backup archive of the backup commands
    QList<int> numbers;  // the devices, points or items named, from 1
    bool all = false;
    bool yes = false;
    bool json = false;
    bool help = false;
    int offer = 0;  // from 1; 0: the recommended one
    // The options QuillonPro itself takes (host, nostrict, log), as its start-up reads them.
    ArgumentMap programOptions;
    QString error;  // why the line is not understood; empty when it is

    static CommandLine parse(const QStringList& arguments);
    static QString usage();
};

}  // namespace Qln::Cli
