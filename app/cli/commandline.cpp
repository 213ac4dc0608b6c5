#include "cli/commandline.h"

namespace Qln::Cli {

namespace {

const QStringList kCommands = {QStringLiteral("devices"),  QStringLiteral("updates"),
                               QStringLiteral("install"),  QStringLiteral("history"),
                               QStringLiteral("recovery"), QStringLiteral("rollback"),
                               QStringLiteral("backup")};
const QStringList kBackupCommands = {QStringLiteral("create"), QStringLiteral("check"),
                                     QStringLiteral("restore")};

bool takesNumbers(const QString& command) {
    return command == QLatin1String("install") || command == QLatin1String("rollback") ||
           command == QLatin1String("backup restore");
}

}  // namespace

CommandLine CommandLine::parse(const QStringList& arguments) {
    CommandLine line;
    QStringList plain;
    const auto fail = [&line](const QString& why) {
        if (line.error.isEmpty()) {
            line.error = why;
        }
    };
    for (int index = 1; index < arguments.size(); ++index) {
        const QString& argument = arguments.at(index);
        if (!argument.startsWith(QLatin1Char('-')) || argument == QLatin1String("-")) {
            plain.append(argument);
            continue;
        }
        QString key = argument.mid(argument.startsWith(QLatin1String("--")) ? 2 : 1);
        QString value;
        bool hasValue = false;
        const int equals = key.indexOf(QLatin1Char('='));
        if (equals >= 0) {
            value = key.mid(equals + 1);
            key = key.left(equals);
            hasValue = true;
        }
        const bool needsValue = key == QLatin1String("host") || key == QLatin1String("offer");
        if (needsValue && !hasValue) {
            if (index + 1 >= arguments.size()) {
                fail(QStringLiteral("--%1 needs a value").arg(key));
                continue;
            }
            value = arguments.at(++index);
            hasValue = true;
        }
        if (!needsValue && hasValue) {
            fail(QStringLiteral("--%1 takes no value").arg(key));
        } else if (key == QLatin1String("host")) {
            line.programOptions.insert(key, value);
        } else if (key == QLatin1String("nostrict") || key == QLatin1String("log")) {
            line.programOptions.insert(key, QString());
        } else if (key == QLatin1String("json")) {
            line.json = true;
        } else if (key == QLatin1String("all")) {
            line.all = true;
        } else if (key == QLatin1String("yes") || key == QLatin1String("y")) {
            line.yes = true;
        } else if (key == QLatin1String("help") || key == QLatin1String("h")) {
            line.help = true;
        } else if (key == QLatin1String("offer")) {
            bool ok = false;
            line.offer = value.toInt(&ok);
            if (!ok || line.offer < 1) {
                fail(QStringLiteral("--offer needs a number from 1"));
            }
        } else {
            fail(QStringLiteral("unknown option: %1").arg(argument));
        }
    }
    if (line.help) {
        return line;
    }
    if (plain.isEmpty()) {
        fail(QStringLiteral("no command"));
        return line;
    }
    line.command = plain.takeFirst();
    if (!kCommands.contains(line.command)) {
        fail(QStringLiteral("unknown command: %1").arg(line.command));
        return line;
    }
    if (line.command == QLatin1String("backup")) {
        if (plain.isEmpty() || !kBackupCommands.contains(plain.first())) {
            fail(QStringLiteral("backup needs create, check or restore"));
            return line;
        }
        line.command += QLatin1Char(' ') + plain.takeFirst();
        const bool fileNeeded = line.command != QLatin1String("backup create");
        if (!plain.isEmpty()) {
            line.file = plain.takeFirst();
        } else if (fileNeeded) {
            fail(QStringLiteral("%1 needs the backup file").arg(line.command));
        }
    }
    if (takesNumbers(line.command)) {
        for (const QString& element : plain) {
            bool ok = false;
            const int number = element.toInt(&ok);
            if (!ok || number < 1) {
                fail(QStringLiteral("not a number from 1: %1").arg(element));
            } else if (!line.numbers.contains(number)) {
                line.numbers.append(number);
            }
        }
        plain.clear();
    } else if (!plain.isEmpty()) {
        fail(QStringLiteral("unexpected argument: %1").arg(plain.first()));
    }
    const bool chooses =
        line.command == QLatin1String("install") || line.command == QLatin1String("backup restore");
    if (line.command == QLatin1String("rollback") && line.numbers.size() != 1) {
        fail(QStringLiteral("rollback needs one number"));
    } else if (chooses && line.all == !line.numbers.isEmpty()) {
        fail(QStringLiteral("%1 needs --all or numbers, not both").arg(line.command));
    } else if (!chooses && line.all) {
        fail(QStringLiteral("--all belongs to install and backup restore"));
    }
    if (line.offer > 0 && line.command != QLatin1String("install")) {
        fail(QStringLiteral("--offer belongs to install"));
    }
    if (line.yes && !chooses) {
        fail(QStringLiteral("--yes belongs to install and backup restore"));
    }
    return line;
}

QString CommandLine::usage() {
    return QStringLiteral(
        "Usage: quillon [--host URL] [--nostrict] [--log] [--json] COMMAND\n"
        "\n"
        "Commands:\n"
        "  devices                          the devices and their installed drivers\n"
        "  updates                          scan and list the offered drivers, numbered\n"
        "  install (--all | N ...) [--offer K] [--yes]\n"
        "                                   install the recommended (or K-th) offer\n"
        "  history                          the installed driver updates\n"
        "  recovery                         the recovery points, numbered\n"
        "  rollback N                       roll back recovery point N\n"
        "  backup create [FILE]             save every driver into FILE (.qlb)\n"
        "  backup check FILE                compare FILE with this computer\n"
        "  backup restore FILE (--all | N ...) [--yes]\n"
        "                                   restore the drivers of FILE\n"
        "\n"
        "Exit codes: 0 done, 1 something failed, 2 usage error, 3 service not reached or\n"
        "refused, 4 another copy is running, 5 interrupted.\n");
}

}  // namespace Qln::Cli
