// The scheduler backend: on Linux the machine model's Tasks/ folder, under Wine
// the Task Scheduler's COM objects. Wine 8 does not implement trigger creation
// nor the next run time, so there those are tested for their failure.
#include <cstdio>
#include <string>

#include "check.h"
#include "platform/comapartment.h"
#include "platform/process.h"
#include "platform/taskscheduler.h"

using platform::TaskSchedulerConnection;

namespace {

std::string testTaskName() {
    return "QuillonTest-" + std::to_string(platform::currentProcessId());
}

// Never leaves a test task behind, whatever the case does.
struct TaskCleanup {
    ~TaskCleanup() {
        TaskSchedulerConnection connection;
        if (connection.connect("\\")) {
            connection.deleteTask(testTaskName());
        }
    }
};

std::string taskText(const std::string& triggers) {
    return "<?xml version=\"1.0\" encoding=\"UTF-16\"?>\n"
           "<Task version=\"1.2\" "
           "xmlns=\"http://schemas.microsoft.com/windows/2004/02/mit/task\">\n"
           "  <RegistrationInfo><Author>Quillon Pro</Author></RegistrationInfo>\n"
           "  <Triggers>" +
           triggers +
           "</Triggers>\n"
           "  <Principals><Principal id=\"Author\"><LogonType>InteractiveToken</LogonType>"
           "</Principal></Principals>\n"
           "  <Actions Context=\"Author\"><Exec><Command>C:\\quillon\\QuillonProSetup.exe"
           "</Command><WorkingDirectory>C:\\quillon</WorkingDirectory></Exec></Actions>\n"
           "</Task>\n";
}

bool hasTask(const std::string& name) {
    TaskSchedulerConnection connection;
    std::string xml;
    return connection.connect("\\") && connection.taskXml(name, xml);
}

}  // namespace

TEST_CASE("connects to the root folder, not to a missing one") {
    platform::ComApartment com;
    TaskSchedulerConnection connection;
    CHECK(connection.connect("\\"));
    TaskSchedulerConnection missing;
    CHECK(!missing.connect("\\NoSuchQuillonFolder"));
    CHECK(!missing.error().empty());
}

TEST_CASE("registers from XML, reads the XML back and deletes the task") {
    platform::ComApartment com;
    TaskCleanup cleanup;
    TaskSchedulerConnection connection;
    REQUIRE(connection.connect("\\"));
    REQUIRE(connection.newTask());
    CHECK(
        connection.setXmlText(taskText("<TimeTrigger><StartBoundary>2030-01-01T10:00:00"
                                       "</StartBoundary></TimeTrigger>")));
    CHECK(connection.registerDefinition(testTaskName()));
    std::string xml;
    CHECK(connection.taskXml(testTaskName(), xml));
    CHECK(xml.find("<Task") != std::string::npos);
    CHECK(xml.find("Quillon Pro") != std::string::npos);
    CHECK(connection.deleteTask(testTaskName()));
    CHECK(!hasTask(testTaskName()));
    CHECK(!connection.deleteTask(testTaskName()));
}

TEST_CASE("a missing task has no XML and no next run") {
    platform::ComApartment com;
    TaskSchedulerConnection connection;
    REQUIRE(connection.connect("\\"));
    std::string xml;
    platform::TaskRunTime next;
    CHECK(!connection.taskXml("QuillonNoSuchTask", xml));
    CHECK(!connection.nextRunTime("QuillonNoSuchTask", next));
}

TEST_CASE("refuses XML that is not a task") {
    platform::ComApartment com;
    TaskSchedulerConnection connection;
    REQUIRE(connection.connect("\\"));
    REQUIRE(connection.newTask());
    CHECK(!connection.setXmlText("<Task><Actions>"));
    CHECK(!connection.setXmlText("not xml at all"));
}

#ifdef _WIN32
TEST_CASE("trigger creation that Wine lacks fails and registers nothing") {
    platform::ComApartment com;
    TaskCleanup cleanup;
    TaskSchedulerConnection connection;
    REQUIRE(connection.connect("\\"));
    REQUIRE(connection.newTask());
    CHECK(connection.setRegistrationInfo("Quillon Pro", "Quillon Pro launch", "1.0.0",
                                         "2026-12-07T10:00:00Z"));
    const bool weekly = connection.addWeeklyTrigger("QuillonProTrigger", "2026-12-08T10:00:00Z",
                                                    "2029-12-07T10:00:00Z", 1, 1u << 2);
    CHECK(!weekly);
    CHECK(connection.error().find("ITriggerCollection::Create") != std::string::npos);
    CHECK(!connection.addMonthlyTrigger("QuillonProTrigger", "2026-12-08T10:00:00Z", "", 1u << 6,
                                        0xfff));
    CHECK(!connection.addTimeTrigger("QuillonProSingleTrigger", "2026-12-08T10:00:00Z", "", ""));
    // What the task library does when a trigger fails: nothing is registered.
    CHECK(!hasTask(testTaskName()));
}
#else
TEST_CASE("a definition registers as schema-ordered XML with its next run") {
    TaskCleanup cleanup;
    TaskSchedulerConnection connection;
    REQUIRE(connection.connect("\\"));
    REQUIRE(connection.newTask());
    CHECK(connection.setRegistrationInfo("Quillon Pro", "Quillon <launch> & more", "1.0.0", ""));
    CHECK(connection.addTimeTrigger("once", "2099-03-04T05:06:00Z", "", "PT30M"));
    CHECK(!connection.addWeeklyTrigger("empty", "2099-03-04T05:06:00Z", "", 1, 0));
    CHECK(connection.addExecAction("/opt/q/QuillonProSetup.exe", "", "/opt/q"));
    REQUIRE(connection.registerDefinition(testTaskName()));
    std::string xml;
    REQUIRE(connection.taskXml(testTaskName(), xml));
    CHECK(xml.find("Quillon &lt;launch&gt; &amp; more") != std::string::npos);
    CHECK(xml.find("<RandomDelay>PT30M</RandomDelay>") != std::string::npos);
    platform::TaskRunTime next;
    REQUIRE(connection.nextRunTime(testTaskName(), next));
    CHECK_EQ(next.year, 2099);
    CHECK_EQ(next.month, 3);
}

TEST_CASE("next runs stay within the boundaries and skip disabled triggers") {
    TaskCleanup cleanup;
    struct Row {
        const char* name;
        const char* triggers;
        bool runs;
    };
    const Row rows[] = {
        {"ended weekly",
         "<CalendarTrigger><StartBoundary>2001-01-01T10:00:00Z</StartBoundary>"
         "<EndBoundary>2002-01-01T10:00:00Z</EndBoundary><ScheduleByWeek><WeeksInterval>1"
         "</WeeksInterval><DaysOfWeek><Monday/></DaysOfWeek></ScheduleByWeek></CalendarTrigger>",
         false},
        {"open weekly",
         "<CalendarTrigger><StartBoundary>2001-01-01T10:00:00Z</StartBoundary>"
         "<ScheduleByWeek><DaysOfWeek><Monday/></DaysOfWeek></ScheduleByWeek></CalendarTrigger>",
         true},
        {"disabled",
         "<TimeTrigger><Enabled>false</Enabled><StartBoundary>2099-01-01T10:00:00"
         "</StartBoundary></TimeTrigger>",
         false},
        {"past one-time",
         "<TimeTrigger><StartBoundary>2001-01-01T10:00:00</StartBoundary>"
         "</TimeTrigger>",
         false},
        {"last day of February",
         "<CalendarTrigger><StartBoundary>2001-01-01T10:00:00</StartBoundary>"
         "<ScheduleByMonth><DaysOfMonth><Day>Last</Day></DaysOfMonth><Months><February/>"
         "</Months></ScheduleByMonth></CalendarTrigger>",
         true},
    };
    for (const Row& row : rows) {
        std::printf("  %s\n", row.name);
        TaskSchedulerConnection connection;
        REQUIRE(connection.connect("\\"));
        REQUIRE(connection.newTask());
        REQUIRE(connection.setXmlText(taskText(row.triggers)));
        REQUIRE(connection.registerDefinition(testTaskName()));
        platform::TaskRunTime next;
        CHECK_EQ(connection.nextRunTime(testTaskName(), next), row.runs);
        if (row.runs && std::string(row.name) == "last day of February") {
            CHECK_EQ(next.month, 2);
            CHECK(next.day == 28 || next.day == 29);
        }
    }
}

TEST_CASE("refuses task names that would leave the folder") {
    TaskSchedulerConnection connection;
    REQUIRE(connection.connect("\\"));
    REQUIRE(connection.newTask());
    REQUIRE(connection.setXmlText(taskText("")));
    CHECK(!connection.registerDefinition("../escape"));
    CHECK(!connection.registerDefinition("a\\b"));
    CHECK(!connection.registerDefinition(""));
}

TEST_CASE("refuses documents nested too deeply") {
    TaskSchedulerConnection connection;
    REQUIRE(connection.connect("\\"));
    REQUIRE(connection.newTask());
    std::string deep;
    for (int i = 0; i < 40; ++i) {
        deep += "<a>";
    }
    for (int i = 0; i < 40; ++i) {
        deep += "</a>";
    }
    CHECK(!connection.setXmlText("<Task><Actions><Exec/></Actions>" + deep + "</Task>"));
}
#endif

CHECK_MAIN
