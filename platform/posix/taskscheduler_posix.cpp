#include "platform/taskscheduler.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <vector>

#include "formats/safename.h"
#include "platform/machinemodel.h"
#include "taskxmlreader.h"

namespace fs = std::filesystem;

namespace platform {

namespace {

constexpr std::uintmax_t kMaxTaskFile = 1 << 20;
// Far enough for a three-year schedule; a bound on the day-by-day search.
constexpr int kSearchDays = 366 * 12;

struct Trigger {
    enum class Kind { Time, Weekly, Monthly } kind = Kind::Time;
    std::string id;
    std::string start;
    std::string end;
    std::string randomDelay;
    std::uint16_t weeksInterval = 1;
    std::uint16_t daysOfWeek = 0;
    std::uint32_t daysOfMonth = 0;
    std::uint16_t monthsOfYear = 0;
};

struct Exec {
    std::string command;
    std::string arguments;
    std::string workingDirectory;
};

const char* const kDayNames[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                 "Thursday", "Friday", "Saturday"};
const char* const kMonthNames[] = {"January",   "February", "March",    "April",
                                   "May",       "June",     "July",     "August",
                                   "September", "October",  "November", "December"};

std::string escape(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

void element(std::string& out, int depth, const std::string& name, const std::string& text) {
    if (!text.empty()) {
        out += std::string(depth * 2, ' ') + "<" + name + ">" + escape(text) + "</" + name + ">\n";
    }
}

// The layout the scheduler itself writes: the schema's order of elements.
std::string serialize(const std::string& author, const std::string& description,
                      const std::string& version, const std::string& date,
                      const std::vector<Trigger>& triggers, const std::vector<Exec>& actions) {
    std::string out =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<Task version=\"1.2\" "
        "xmlns=\"http://schemas.microsoft.com/windows/2004/02/mit/task\">\n";
    out += "  <RegistrationInfo>\n";
    element(out, 2, "Date", date);
    element(out, 2, "Author", author);
    element(out, 2, "Version", version);
    element(out, 2, "Description", description);
    out += "  </RegistrationInfo>\n  <Triggers>\n";
    for (const Trigger& trigger : triggers) {
        const char* tag = trigger.kind == Trigger::Kind::Time ? "TimeTrigger" : "CalendarTrigger";
        out += std::string("    <") + tag;
        if (!trigger.id.empty()) {
            out += " id=\"" + escape(trigger.id) + "\"";
        }
        out += ">\n";
        element(out, 3, "StartBoundary", trigger.start);
        element(out, 3, "EndBoundary", trigger.end);
        if (trigger.kind == Trigger::Kind::Time) {
            element(out, 3, "RandomDelay", trigger.randomDelay);
        } else if (trigger.kind == Trigger::Kind::Weekly) {
            out += "      <ScheduleByWeek>\n";
            element(out, 4, "WeeksInterval", std::to_string(trigger.weeksInterval));
            out += "        <DaysOfWeek>\n";
            for (int day = 0; day < 7; ++day) {
                if (trigger.daysOfWeek & (1u << day)) {
                    out += std::string("          <") + kDayNames[day] + " />\n";
                }
            }
            out += "        </DaysOfWeek>\n      </ScheduleByWeek>\n";
        } else {
            out += "      <ScheduleByMonth>\n        <DaysOfMonth>\n";
            for (int day = 1; day <= 31; ++day) {
                if (trigger.daysOfMonth & (1u << (day - 1))) {
                    element(out, 5, "Day", std::to_string(day));
                }
            }
            out += "        </DaysOfMonth>\n        <Months>\n";
            for (int month = 0; month < 12; ++month) {
                if (trigger.monthsOfYear & (1u << month)) {
                    out += std::string("          <") + kMonthNames[month] + " />\n";
                }
            }
            out += "        </Months>\n      </ScheduleByMonth>\n";
        }
        out += std::string("    </") + tag + ">\n";
    }
    out +=
        "  </Triggers>\n"
        "  <Principals>\n"
        "    <Principal id=\"Author\">\n"
        "      <LogonType>InteractiveToken</LogonType>\n"
        "    </Principal>\n"
        "  </Principals>\n"
        "  <Actions Context=\"Author\">\n";
    for (const Exec& exec : actions) {
        out += "    <Exec>\n";
        element(out, 3, "Command", exec.command);
        element(out, 3, "Arguments", exec.arguments);
        element(out, 3, "WorkingDirectory", exec.workingDirectory);
        out += "    </Exec>\n";
    }
    out += "  </Actions>\n</Task>\n";
    return out;
}

bool writeAtomically(const fs::path& target, const std::string& data, std::string& error) {
    std::string temp = (target.parent_path() / ".task.XXXXXX").string();
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) {
        error = target.string() + ": cannot create a temporary file: " + std::strerror(errno);
        return false;
    }
    std::size_t done = 0;
    bool written = true;
    while (written && done < data.size()) {
        const ssize_t n = ::write(fd, data.data() + done, data.size() - done);
        written = n > 0;
        done += n > 0 ? static_cast<std::size_t>(n) : 0;
    }
    written = written && ::fsync(fd) == 0;
    ::fchmod(fd, 0644);
    if (::close(fd) != 0 || !written) {
        ::unlink(temp.c_str());
        error = target.string() + ": cannot write";
        return false;
    }
    if (::rename(temp.c_str(), target.c_str()) != 0) {
        error = target.string() + ": cannot replace: " + std::strerror(errno);
        ::unlink(temp.c_str());
        return false;
    }
    return true;
}

// Seconds since the epoch of a boundary; a text without a zone is local time.
std::optional<std::time_t> parseBoundary(const std::string& text) {
    int year, month, day, hour, minute, second;
    int used = 0;
    if (std::sscanf(text.c_str(), "%4d-%2d-%2dT%2d:%2d:%2d%n", &year, &month, &day, &hour, &minute,
                    &second, &used) != 6) {
        return std::nullopt;
    }
    std::size_t rest = static_cast<std::size_t>(used);
    if (rest < text.size() && text[rest] == '.') {
        ++rest;
        while (rest < text.size() && std::isdigit(static_cast<unsigned char>(text[rest]))) {
            ++rest;
        }
    }
    std::tm parts{};
    parts.tm_year = year - 1900;
    parts.tm_mon = month - 1;
    parts.tm_mday = day;
    parts.tm_hour = hour;
    parts.tm_min = minute;
    parts.tm_sec = second;
    const std::string zone = text.substr(rest);
    if (zone.empty()) {
        parts.tm_isdst = -1;
        return std::mktime(&parts);
    }
    long offset = 0;
    if (zone != "Z") {
        int zoneHours, zoneMinutes;
        if (zone.size() != 6 || (zone[0] != '+' && zone[0] != '-') ||
            std::sscanf(zone.c_str() + 1, "%2d:%2d", &zoneHours, &zoneMinutes) != 2) {
            return std::nullopt;
        }
        offset = (zoneHours * 60L + zoneMinutes) * 60 * (zone[0] == '-' ? -1 : 1);
    }
    return ::timegm(&parts) - offset;
}

std::time_t localAt(const std::tm& date, const std::tm& timeOfDay) {
    std::tm parts{};
    parts.tm_year = date.tm_year;
    parts.tm_mon = date.tm_mon;
    parts.tm_mday = date.tm_mday;
    parts.tm_hour = timeOfDay.tm_hour;
    parts.tm_min = timeOfDay.tm_min;
    parts.tm_sec = timeOfDay.tm_sec;
    parts.tm_isdst = -1;
    return std::mktime(&parts);
}

bool enabled(const xml::Element& element) {
    const xml::Element* flag = element.child("Enabled");
    return !flag || flag->text != "false";
}

std::uint16_t daysOfWeekOf(const xml::Element* days) {
    std::uint16_t mask = 0;
    for (int day = 0; days && day < 7; ++day) {
        if (days->child(kDayNames[day])) {
            mask |= static_cast<std::uint16_t>(1u << day);
        }
    }
    return mask;
}

// The first run after `now` of one calendar or time trigger, from its start on
// and not past its end; the time of day is the start's local time.
std::optional<std::time_t> nextRunOf(const xml::Element& trigger, std::time_t now) {
    if (!enabled(trigger)) {
        return std::nullopt;
    }
    const xml::Element* startNode = trigger.child("StartBoundary");
    const std::optional<std::time_t> start =
        startNode ? parseBoundary(startNode->text) : std::nullopt;
    if (!start) {
        return std::nullopt;
    }
    std::optional<std::time_t> end;
    if (const xml::Element* endNode = trigger.child("EndBoundary")) {
        end = parseBoundary(endNode->text);
    }
    const auto within = [&](std::time_t at) { return at > now && (!end || at <= *end); };
    if (trigger.name == "TimeTrigger") {
        return within(*start) ? std::optional<std::time_t>(*start) : std::nullopt;
    }
    if (trigger.name != "CalendarTrigger") {
        return std::nullopt;
    }
    const xml::Element* weekly = trigger.child("ScheduleByWeek");
    const xml::Element* monthly = trigger.child("ScheduleByMonth");
    const xml::Element* daily = trigger.child("ScheduleByDay");
    long interval = 1;
    std::uint16_t weekDays = 0;
    std::uint32_t monthDays = 0;
    std::uint16_t months = 0;
    bool lastDay = false;
    if (weekly) {
        if (const xml::Element* value = weekly->child("WeeksInterval")) {
            interval = std::max(1L, std::strtol(value->text.c_str(), nullptr, 10));
        }
        weekDays = daysOfWeekOf(weekly->child("DaysOfWeek"));
    } else if (monthly) {
        if (const xml::Element* days = monthly->child("DaysOfMonth")) {
            for (const xml::Element& day : days->children) {
                if (day.name != "Day") {
                    continue;
                }
                if (day.text == "Last") {
                    lastDay = true;
                    continue;
                }
                const long number = std::strtol(day.text.c_str(), nullptr, 10);
                if (number >= 1 && number <= 31) {
                    monthDays |= 1u << (number - 1);
                }
            }
        }
        if (const xml::Element* names = monthly->child("Months")) {
            for (int month = 0; month < 12; ++month) {
                if (names->child(kMonthNames[month])) {
                    months |= static_cast<std::uint16_t>(1u << month);
                }
            }
        }
    } else if (daily) {
        if (const xml::Element* value = daily->child("DaysInterval")) {
            interval = std::max(1L, std::strtol(value->text.c_str(), nullptr, 10));
        }
    } else {
        return std::nullopt;
    }

    std::tm startParts{};
    localtime_r(&*start, &startParts);
    std::tm day = startParts;
    day.tm_hour = 12;  // noon steps over daylight-saving changes safely
    day.tm_isdst = -1;
    const std::time_t firstNoon = std::mktime(&day);
    // Schedules that began long ago are searched from the day before today on.
    const long firstOffset = std::max(0L, static_cast<long>((now - firstNoon) / 86400) - 1);
    for (long offset = firstOffset; offset < firstOffset + kSearchDays; ++offset) {
        std::time_t noon = firstNoon + static_cast<std::time_t>(offset) * 86400;
        std::tm candidate{};
        localtime_r(&noon, &candidate);
        bool matches = false;
        if (weekly) {
            const int week = (offset + startParts.tm_wday) / 7;
            matches = (weekDays & (1u << candidate.tm_wday)) && week % interval == 0;
        } else if (monthly) {
            std::tm next = candidate;
            next.tm_mday += 1;
            next.tm_isdst = -1;
            std::mktime(&next);
            const bool isLast = next.tm_mon != candidate.tm_mon;
            matches = (months & (1u << candidate.tm_mon)) &&
                      ((monthDays & (1u << (candidate.tm_mday - 1))) || (lastDay && isLast));
        } else {
            matches = offset % interval == 0;
        }
        if (!matches) {
            continue;
        }
        const std::time_t at = localAt(candidate, startParts);
        if (end && at > *end) {
            return std::nullopt;
        }
        if (at >= *start && within(at)) {
            return at;
        }
    }
    return std::nullopt;
}

// A task is one file named after it in the tasks folder.
bool validTaskName(const std::string& name) {
    return formats::isSafeFileName(name) && name.size() < 240;
}

}  // namespace

struct TaskSchedulerConnection::Impl {
    fs::path folder;
    bool haveTask = false;
    std::string author, description, version, date;
    std::vector<Trigger> triggers;
    std::vector<Exec> actions;
    std::string xml;  // set by setXmlText: registered as it stands

    fs::path fileOf(const std::string& name) const { return folder / (name + ".xml"); }
};

TaskSchedulerConnection::TaskSchedulerConnection() = default;
TaskSchedulerConnection::~TaskSchedulerConnection() = default;

bool TaskSchedulerConnection::connect(const std::string& folderPath) {
    d.reset();
    const std::string root = machine::machineRoot();
    if (root.empty()) {
        m_error = "connect failed: no machine model";
        return false;
    }
    fs::path folder = fs::path(root) / "Tasks";
    std::string part;
    std::istringstream parts(folderPath);
    while (std::getline(parts, part, '\\')) {
        if (part == "." || part == "..") {
            m_error = "GetFolder failed: bad path " + folderPath;
            return false;
        }
        if (!part.empty()) {
            folder /= part;
        }
    }
    if (folderPath.empty() || folderPath[0] != '\\') {
        m_error = "GetFolder failed: bad path " + folderPath;
        return false;
    }
    std::error_code ec;
    // The root folder always exists on Windows; others must have been made.
    if (folderPath == "\\") {
        fs::create_directories(folder, ec);
    }
    if (!fs::is_directory(folder, ec)) {
        m_error = "GetFolder failed: " + folder.string() + " does not exist";
        return false;
    }
    d = std::make_unique<Impl>();
    d->folder = folder;
    return true;
}

bool TaskSchedulerConnection::newTask() {
    if (!d) {
        m_error = "NewTask failed: not connected";
        return false;
    }
    const fs::path folder = d->folder;
    *d = Impl();
    d->folder = folder;
    d->haveTask = true;
    return true;
}

bool TaskSchedulerConnection::setRegistrationInfo(const std::string& author,
                                                  const std::string& description,
                                                  const std::string& version,
                                                  const std::string& date) {
    if (!d || !d->haveTask) {
        m_error = "get_RegistrationInfo failed: no task";
        return false;
    }
    d->author = author;
    d->description = description;
    d->version = version;
    d->date = date;
    return true;
}

bool TaskSchedulerConnection::addTimeTrigger(const std::string& id, const std::string& start,
                                             const std::string& end,
                                             const std::string& randomDelay) {
    if (!d || !d->haveTask) {
        m_error = "Create trigger failed: no task";
        return false;
    }
    Trigger trigger;
    trigger.kind = Trigger::Kind::Time;
    trigger.id = id;
    trigger.start = start;
    trigger.end = end;
    trigger.randomDelay = randomDelay;
    d->triggers.push_back(trigger);
    return true;
}

bool TaskSchedulerConnection::addWeeklyTrigger(const std::string& id, const std::string& start,
                                               const std::string& end, std::uint16_t weeksInterval,
                                               std::uint16_t daysOfWeek) {
    if (!d || !d->haveTask) {
        m_error = "Create trigger failed: no task";
        return false;
    }
    if (weeksInterval == 0 || (daysOfWeek & 0x7f) == 0) {
        m_error = "put_DaysOfWeek failed: empty schedule";
        return false;
    }
    Trigger trigger;
    trigger.kind = Trigger::Kind::Weekly;
    trigger.id = id;
    trigger.start = start;
    trigger.end = end;
    trigger.weeksInterval = weeksInterval;
    trigger.daysOfWeek = daysOfWeek & 0x7f;
    d->triggers.push_back(trigger);
    return true;
}

bool TaskSchedulerConnection::addMonthlyTrigger(const std::string& id, const std::string& start,
                                                const std::string& end, std::uint32_t daysOfMonth,
                                                std::uint16_t monthsOfYear) {
    if (!d || !d->haveTask) {
        m_error = "Create trigger failed: no task";
        return false;
    }
    if (daysOfMonth == 0 || (monthsOfYear & 0xfff) == 0) {
        m_error = "put_DaysOfMonth failed: empty schedule";
        return false;
    }
    Trigger trigger;
    trigger.kind = Trigger::Kind::Monthly;
    trigger.id = id;
    trigger.start = start;
    trigger.end = end;
    trigger.daysOfMonth = daysOfMonth & 0x7fffffff;
    trigger.monthsOfYear = monthsOfYear & 0xfff;
    d->triggers.push_back(trigger);
    return true;
}

bool TaskSchedulerConnection::addExecAction(const std::string& command,
                                            const std::string& arguments,
                                            const std::string& workingDirectory) {
    if (!d || !d->haveTask) {
        m_error = "Create action failed: no task";
        return false;
    }
    d->actions.push_back({command, arguments, workingDirectory});
    return true;
}

bool TaskSchedulerConnection::setXmlText(const std::string& text) {
    if (!d || !d->haveTask) {
        m_error = "put_XmlText failed: no task";
        return false;
    }
    xml::Element root;
    std::string error;
    if (!xml::parse(text, root, error)) {
        m_error = "put_XmlText failed: " + error;
        return false;
    }
    const xml::Element* actions = root.child("Actions");
    if (root.name != "Task" || !actions || actions->children.empty()) {
        m_error = "put_XmlText failed: not a task with actions";
        return false;
    }
    d->xml = text;
    return true;
}

bool TaskSchedulerConnection::registerDefinition(const std::string& name) {
    if (!d || !d->haveTask) {
        m_error = "RegisterTaskDefinition failed: no task";
        return false;
    }
    if (!validTaskName(name)) {
        m_error = "RegisterTaskDefinition failed: bad name " + name;
        return false;
    }
    if (d->xml.empty() && d->actions.empty()) {
        m_error = "RegisterTaskDefinition failed: no actions";
        return false;
    }
    const std::string text = d->xml.empty() ? serialize(d->author, d->description, d->version,
                                                        d->date, d->triggers, d->actions)
                                            : d->xml;
    std::string error;
    if (!writeAtomically(d->fileOf(name), text, error)) {
        m_error = "RegisterTaskDefinition failed: " + error;
        return false;
    }
    return true;
}

bool TaskSchedulerConnection::deleteTask(const std::string& name) {
    std::error_code ec;
    if (!d || !validTaskName(name) || !fs::remove(d->fileOf(name), ec)) {
        m_error = "DeleteTask failed: " + name;
        return false;
    }
    return true;
}

bool TaskSchedulerConnection::taskXml(const std::string& name, std::string& text) {
    std::error_code ec;
    const fs::path file = d && validTaskName(name) ? d->fileOf(name) : fs::path();
    const std::uintmax_t size = file.empty() ? 0 : fs::file_size(file, ec);
    if (file.empty() || ec || size > kMaxTaskFile) {
        m_error = "GetTask failed: " + name;
        return false;
    }
    std::ifstream in(file, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    if (!in) {
        m_error = "get_Xml failed: " + file.string();
        return false;
    }
    text = content.str();
    return true;
}

bool TaskSchedulerConnection::nextRunTime(const std::string& name, TaskRunTime& localTime) {
    std::string text;
    if (!taskXml(name, text)) {
        return false;
    }
    xml::Element root;
    std::string error;
    if (!xml::parse(text, root, error) || root.name != "Task") {
        m_error = "get_NextRunTime failed: " + error;
        return false;
    }
    if (const xml::Element* settings = root.child("Settings"); settings && !enabled(*settings)) {
        return false;
    }
    const std::time_t now = std::time(nullptr);
    std::optional<std::time_t> next;
    if (const xml::Element* triggers = root.child("Triggers")) {
        for (const xml::Element& trigger : triggers->children) {
            const std::optional<std::time_t> run = nextRunOf(trigger, now);
            if (run && (!next || *run < *next)) {
                next = run;
            }
        }
    }
    if (!next) {
        return false;
    }
    std::tm parts{};
    localtime_r(&*next, &parts);
    localTime = {parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday, parts.tm_hour,
                 parts.tm_min};
    return true;
}

}  // namespace platform
