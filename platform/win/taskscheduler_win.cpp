#include "platform/taskscheduler.h"

#include <objbase.h>
#include <oleauto.h>
#include <taskschd.h>
#include <wrl/client.h>

#include "comvalues.h"
#include "winutil.h"

using Microsoft::WRL::ComPtr;

// The MinGW headers leave these two out.
MIDL_INTERFACE("5038fc98-82ff-436d-8728-a512a57c9dc1")
IWeeklyTrigger : public ITrigger {
    virtual HRESULT STDMETHODCALLTYPE get_DaysOfWeek(short* days) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_DaysOfWeek(short days) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_WeeksInterval(short* weeks) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_WeeksInterval(short weeks) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_RandomDelay(BSTR * delay) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_RandomDelay(BSTR delay) = 0;
};
__CRT_UUID_DECL(IWeeklyTrigger, 0x5038fc98, 0x82ff, 0x436d, 0x87, 0x28, 0xa5, 0x12, 0xa5, 0x7c,
                0x9d, 0xc1)

MIDL_INTERFACE("97c45ef1-6b02-4a1a-9c0e-1ebfba1500ac")
IMonthlyTrigger : public ITrigger {
    virtual HRESULT STDMETHODCALLTYPE get_DaysOfMonth(long* days) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_DaysOfMonth(long days) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_MonthsOfYear(short* months) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_MonthsOfYear(short months) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_RunOnLastDayOfMonth(VARIANT_BOOL * last) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_RunOnLastDayOfMonth(VARIANT_BOOL last) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_RandomDelay(BSTR * delay) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_RandomDelay(BSTR delay) = 0;
};
__CRT_UUID_DECL(IMonthlyTrigger, 0x97c45ef1, 0x6b02, 0x4a1a, 0x9c, 0x0e, 0x1e, 0xbf, 0xba, 0x15,
                0x00, 0xac)

namespace platform {

using win::Bstr;
using win::hresultText;
using win::OutBstr;
using win::Variant;

struct TaskSchedulerConnection::Impl {
    ComPtr<ITaskService> service;
    ComPtr<ITaskFolder> folder;
    ComPtr<ITaskDefinition> definition;

    // Runs a put_ call with a string argument, failing on a string COM cannot hold.
    template <typename Put>
    HRESULT putString(const std::string& value, Put put) {
        Bstr text(value);
        return text.isValid() ? put(text) : E_OUTOFMEMORY;
    }

    HRESULT commonTrigger(ITrigger* trigger, const std::string& id, const std::string& start,
                          const std::string& end) {
        HRESULT result = S_OK;
        if (!id.empty()) {
            result = putString(id, [&](BSTR text) { return trigger->put_Id(text); });
        }
        if (SUCCEEDED(result) && !start.empty()) {
            result = putString(start, [&](BSTR text) { return trigger->put_StartBoundary(text); });
        }
        if (SUCCEEDED(result) && !end.empty()) {
            result = putString(end, [&](BSTR text) { return trigger->put_EndBoundary(text); });
        }
        return result;
    }

    // Creates a trigger of the type in the definition and queries its interface.
    template <typename Interface>
    HRESULT createTrigger(TASK_TRIGGER_TYPE2 type, ComPtr<Interface>& out, std::string& error) {
        ComPtr<ITriggerCollection> triggers;
        HRESULT result = definition->get_Triggers(&triggers);
        if (FAILED(result)) {
            error = hresultText("get_Triggers", result);
            return result;
        }
        ComPtr<ITrigger> trigger;
        result = triggers->Create(type, &trigger);
        if (FAILED(result)) {
            error = hresultText("ITriggerCollection::Create", result);
            return result;
        }
        result = trigger.As(&out);
        if (FAILED(result)) {
            error = hresultText("QueryInterface trigger", result);
        }
        return result;
    }

    HRESULT registerTask(const std::string& name, std::string& error) {
        Bstr path(name);
        if (!path.isValid()) {
            return E_OUTOFMEMORY;
        }
        Variant user;
        Variant password;
        Variant securityDescriptor(L"");
        ComPtr<IRegisteredTask> registered;
        const HRESULT result = folder->RegisterTaskDefinition(
            path, definition.Get(), TASK_CREATE_OR_UPDATE, user.get(), password.get(),
            TASK_LOGON_INTERACTIVE_TOKEN, securityDescriptor.get(), &registered);
        if (FAILED(result)) {
            error = hresultText("RegisterTaskDefinition", result);
        }
        return result;
    }

    HRESULT task(const std::string& name, ComPtr<IRegisteredTask>& out, std::string& error) {
        Bstr path(name);
        if (!path.isValid()) {
            return E_OUTOFMEMORY;
        }
        const HRESULT result = folder->GetTask(path, &out);
        if (FAILED(result)) {
            error = hresultText("GetTask", result);
        }
        return result;
    }
};

TaskSchedulerConnection::TaskSchedulerConnection() = default;
TaskSchedulerConnection::~TaskSchedulerConnection() = default;

bool TaskSchedulerConnection::connect(const std::string& folderPath) {
    d = std::make_unique<Impl>();
    HRESULT result =
        ::CoCreateInstance(CLSID_TaskScheduler, nullptr, CLSCTX_INPROC_SERVER, IID_ITaskService,
                           reinterpret_cast<void**>(d->service.GetAddressOf()));
    if (FAILED(result)) {
        m_error = hresultText("CoCreateInstance(TaskScheduler)", result);
        d.reset();
        return false;
    }
    Variant server, user, domain, password;
    result = d->service->Connect(server.get(), user.get(), domain.get(), password.get());
    if (FAILED(result)) {
        m_error = hresultText("ITaskService::Connect", result);
        d.reset();
        return false;
    }
    Bstr path(folderPath);
    result = path.isValid() ? d->service->GetFolder(path, &d->folder) : E_OUTOFMEMORY;
    if (FAILED(result)) {
        m_error = hresultText("GetFolder", result);
        d.reset();
        return false;
    }
    return true;
}

bool TaskSchedulerConnection::newTask() {
    if (!d) {
        m_error = "NewTask failed: not connected";
        return false;
    }
    d->definition.Reset();
    const HRESULT result = d->service->NewTask(0, &d->definition);
    if (FAILED(result)) {
        m_error = hresultText("NewTask", result);
        return false;
    }
    return true;
}

bool TaskSchedulerConnection::setRegistrationInfo(const std::string& author,
                                                  const std::string& description,
                                                  const std::string& version,
                                                  const std::string& date) {
    if (!d || !d->definition) {
        m_error = "get_RegistrationInfo failed: no task";
        return false;
    }
    ComPtr<IRegistrationInfo> info;
    HRESULT result = d->definition->get_RegistrationInfo(&info);
    if (FAILED(result)) {
        m_error = hresultText("get_RegistrationInfo", result);
        return false;
    }
    if (!author.empty()) {
        result = d->putString(author, [&](BSTR text) { return info->put_Author(text); });
    }
    if (SUCCEEDED(result) && !description.empty()) {
        result = d->putString(description, [&](BSTR text) { return info->put_Description(text); });
    }
    if (SUCCEEDED(result) && !version.empty()) {
        result = d->putString(version, [&](BSTR text) { return info->put_Version(text); });
    }
    if (SUCCEEDED(result) && !date.empty()) {
        result = d->putString(date, [&](BSTR text) { return info->put_Date(text); });
    }
    if (FAILED(result)) {
        m_error = hresultText("IRegistrationInfo put", result);
        return false;
    }
    return true;
}

bool TaskSchedulerConnection::addTimeTrigger(const std::string& id, const std::string& start,
                                             const std::string& end,
                                             const std::string& randomDelay) {
    if (!d || !d->definition) {
        m_error = "get_Triggers failed: no task";
        return false;
    }
    ComPtr<ITimeTrigger> trigger;
    if (FAILED(d->createTrigger(TASK_TRIGGER_TIME, trigger, m_error))) {
        return false;
    }
    HRESULT result = d->commonTrigger(trigger.Get(), id, start, end);
    if (SUCCEEDED(result) && !randomDelay.empty()) {
        result =
            d->putString(randomDelay, [&](BSTR text) { return trigger->put_RandomDelay(text); });
    }
    if (FAILED(result)) {
        m_error = hresultText("ITimeTrigger put", result);
        return false;
    }
    return true;
}

bool TaskSchedulerConnection::addWeeklyTrigger(const std::string& id, const std::string& start,
                                               const std::string& end, std::uint16_t weeksInterval,
                                               std::uint16_t daysOfWeek) {
    if (!d || !d->definition) {
        m_error = "get_Triggers failed: no task";
        return false;
    }
    ComPtr<IWeeklyTrigger> trigger;
    if (FAILED(d->createTrigger(TASK_TRIGGER_WEEKLY, trigger, m_error))) {
        return false;
    }
    HRESULT result = d->commonTrigger(trigger.Get(), id, start, end);
    if (SUCCEEDED(result)) {
        result = trigger->put_WeeksInterval(static_cast<short>(weeksInterval));
    }
    if (SUCCEEDED(result)) {
        result = trigger->put_DaysOfWeek(static_cast<short>(daysOfWeek));
    }
    if (FAILED(result)) {
        m_error = hresultText("IWeeklyTrigger put", result);
        return false;
    }
    return true;
}

bool TaskSchedulerConnection::addMonthlyTrigger(const std::string& id, const std::string& start,
                                                const std::string& end, std::uint32_t daysOfMonth,
                                                std::uint16_t monthsOfYear) {
    if (!d || !d->definition) {
        m_error = "get_Triggers failed: no task";
        return false;
    }
    ComPtr<IMonthlyTrigger> trigger;
    if (FAILED(d->createTrigger(TASK_TRIGGER_MONTHLY, trigger, m_error))) {
        return false;
    }
    HRESULT result = d->commonTrigger(trigger.Get(), id, start, end);
    if (SUCCEEDED(result)) {
        result = trigger->put_DaysOfMonth(static_cast<long>(daysOfMonth));
    }
    if (SUCCEEDED(result)) {
        result = trigger->put_MonthsOfYear(static_cast<short>(monthsOfYear));
    }
    if (FAILED(result)) {
        m_error = hresultText("IMonthlyTrigger put", result);
        return false;
    }
    return true;
}

bool TaskSchedulerConnection::addExecAction(const std::string& command,
                                            const std::string& arguments,
                                            const std::string& workingDirectory) {
    if (!d || !d->definition) {
        m_error = "get_Actions failed: no task";
        return false;
    }
    ComPtr<IActionCollection> actions;
    HRESULT result = d->definition->get_Actions(&actions);
    if (FAILED(result)) {
        m_error = hresultText("get_Actions", result);
        return false;
    }
    ComPtr<IAction> action;
    result = actions->Create(TASK_ACTION_EXEC, &action);
    if (FAILED(result)) {
        m_error = hresultText("IActionCollection::Create", result);
        return false;
    }
    ComPtr<IExecAction> exec;
    result = action.As(&exec);
    if (FAILED(result)) {
        m_error = hresultText("QueryInterface IExecAction", result);
        return false;
    }
    if (!command.empty()) {
        result = d->putString(command, [&](BSTR text) { return exec->put_Path(text); });
    }
    if (SUCCEEDED(result) && !arguments.empty()) {
        result = d->putString(arguments, [&](BSTR text) { return exec->put_Arguments(text); });
    }
    if (SUCCEEDED(result) && !workingDirectory.empty()) {
        result = d->putString(workingDirectory,
                              [&](BSTR text) { return exec->put_WorkingDirectory(text); });
    }
    if (FAILED(result)) {
        m_error = hresultText("IExecAction put", result);
        return false;
    }
    return true;
}

bool TaskSchedulerConnection::setXmlText(const std::string& xml) {
    if (!d || !d->definition) {
        m_error = "put_XmlText failed: no task";
        return false;
    }
    const HRESULT result =
        d->putString(xml, [&](BSTR text) { return d->definition->put_XmlText(text); });
    if (FAILED(result)) {
        m_error = hresultText("put_XmlText", result);
        return false;
    }
    return true;
}

bool TaskSchedulerConnection::registerDefinition(const std::string& name) {
    if (!d || !d->definition) {
        m_error = "RegisterTaskDefinition failed: no task";
        return false;
    }
    return SUCCEEDED(d->registerTask(name, m_error));
}

bool TaskSchedulerConnection::deleteTask(const std::string& name) {
    if (!d) {
        m_error = "DeleteTask failed: not connected";
        return false;
    }
    const HRESULT result =
        d->putString(name, [&](BSTR text) { return d->folder->DeleteTask(text, 0); });
    if (FAILED(result)) {
        m_error = hresultText("DeleteTask", result);
        return false;
    }
    return true;
}

bool TaskSchedulerConnection::nextRunTime(const std::string& name, TaskRunTime& localTime) {
    ComPtr<IRegisteredTask> task;
    if (!d || FAILED(d->task(name, task, m_error))) {
        return false;
    }
    DATE next = 0;
    const HRESULT result = task->get_NextRunTime(&next);
    if (FAILED(result)) {
        m_error = hresultText("get_NextRunTime", result);
        return false;
    }
    SYSTEMTIME time{};
    // Zero is the scheduler's "no next run".
    if (next == 0 || !::VariantTimeToSystemTime(next, &time)) {
        m_error = "no next run";
        return false;
    }
    localTime = {time.wYear, time.wMonth, time.wDay, time.wHour, time.wMinute};
    return true;
}

bool TaskSchedulerConnection::taskXml(const std::string& name, std::string& xml) {
    ComPtr<IRegisteredTask> task;
    if (!d || FAILED(d->task(name, task, m_error))) {
        return false;
    }
    OutBstr text;
    const HRESULT result = task->get_Xml(text.put());
    if (FAILED(result)) {
        m_error = hresultText("get_Xml", result);
        return false;
    }
    xml = text.utf8();
    return true;
}

}  // namespace platform
