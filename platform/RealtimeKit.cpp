#include "platform/RealtimeKit.h"

#include <dlfcn.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <mutex>

namespace {

constexpr const char* kService = "org.freedesktop.RealtimeKit1";
constexpr const char* kPath = "/org/freedesktop/RealtimeKit1";
constexpr const char* kInterface = "org.freedesktop.RealtimeKit1";
constexpr const char* kPropertiesInterface = "org.freedesktop.DBus.Properties";

// sd-bus's public interface, as far as it is used here (sd-bus.h).
struct SdBusError {
    const char* name;
    const char* message;
    int needsFree;
};
struct SdBus;
struct SdBusMessage;

struct SdBusApi {
    int (*openSystem)(SdBus**) = nullptr;
    SdBus* (*flushCloseUnref)(SdBus*) = nullptr;
    int (*callMethod)(SdBus*, const char*, const char*, const char*, const char*, SdBusError*,
                      SdBusMessage**, const char*, ...) = nullptr;
    int (*readMessage)(SdBusMessage*, const char*, ...) = nullptr;
    int (*enterContainer)(SdBusMessage*, char, const char*) = nullptr;
    SdBusMessage* (*unrefMessage)(SdBusMessage*) = nullptr;
    void (*freeError)(SdBusError*) = nullptr;

    bool Loaded() const {
        return openSystem && flushCloseUnref && callMethod && readMessage && enterContainer &&
               unrefMessage && freeError;
    }
};

template <class F>
void Bind(void* library, const char* name, F& function) {
    function = reinterpret_cast<F>(::dlsym(library, name));
}

const SdBusApi* Api() {
    static SdBusApi api;
    static std::once_flag once;
    std::call_once(once, [] {
        void* library = ::dlopen("libsystemd.so.0", RTLD_NOW | RTLD_LOCAL);
        if (library == nullptr) {
            return;
        }
        Bind(library, "sd_bus_open_system", api.openSystem);
        Bind(library, "sd_bus_flush_close_unref", api.flushCloseUnref);
        Bind(library, "sd_bus_call_method", api.callMethod);
        Bind(library, "sd_bus_message_read", api.readMessage);
        Bind(library, "sd_bus_message_enter_container", api.enterContainer);
        Bind(library, "sd_bus_message_unref", api.unrefMessage);
        Bind(library, "sd_bus_error_free", api.freeError);
    });
    return api.Loaded() ? &api : nullptr;
}

// Once the bus or the service has been found missing, later requests fail
// at once instead of asking again at every playback.
std::atomic<bool> g_unavailable{false};

class Connection {
public:
    explicit Connection(const SdBusApi& api) : m_api(api) {
        if (m_api.openSystem(&m_bus) < 0) {
            m_bus = nullptr;
        }
    }
    ~Connection() {
        if (m_bus != nullptr) {
            m_api.flushCloseUnref(m_bus);
        }
    }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    bool Open() const { return m_bus != nullptr; }

    // A property of the broker holding one value of this D-Bus type ("x",
    // "i"); false when it cannot be read.
    template <class T>
    bool Property(const char* name, const char* type, T& value) {
        SdBusError error{};
        SdBusMessage* reply = nullptr;
        bool read = m_api.callMethod(m_bus, kService, kPath, kPropertiesInterface, "Get", &error,
                                     &reply, "ss", kInterface, name) >= 0 &&
                    m_api.enterContainer(reply, 'v', type) >= 0 &&
                    m_api.readMessage(reply, type, &value) >= 0;
        Finish(error, reply);
        return read;
    }

    // Calls one of the broker's methods with the thread id and an integer
    // of this D-Bus type ("u" or "i").
    template <class T>
    bool CallForThread(const char* method, const char* types, T argument) {
        SdBusError error{};
        SdBusMessage* reply = nullptr;
        const auto thread = static_cast<std::uint64_t>(::syscall(SYS_gettid));
        const bool called = m_api.callMethod(m_bus, kService, kPath, kInterface, method, &error,
                                             &reply, types, thread, argument) >= 0;
        Finish(error, reply);
        return called;
    }

private:
    void Finish(SdBusError& error, SdBusMessage* reply) {
        if (reply != nullptr) {
            m_api.unrefMessage(reply);
        }
        m_api.freeError(&error);
    }

    const SdBusApi& m_api;
    SdBus* m_bus = nullptr;
};

}  // namespace

bool RealtimeKit::MakeThreadRealtime(int priority) {
    const SdBusApi* api = Api();
    if (api == nullptr || g_unavailable.load(std::memory_order_relaxed)) {
        return false;
    }
    Connection bus(*api);
    std::int32_t maxPriority = 0;
    std::int64_t maxRtTimeUs = 0;
    if (!bus.Open() || !bus.Property("MaxRealtimePriority", "i", maxPriority) ||
        !bus.Property("RTTimeUSecMax", "x", maxRtTimeUs)) {
        g_unavailable.store(true, std::memory_order_relaxed);
        return false;
    }
    // The broker lends real-time scheduling only to processes that cannot
    // hog a processor with it: a thread that runs this long without
    // sleeping is stopped by the kernel.
    rlimit limit{};
    ::getrlimit(RLIMIT_RTTIME, &limit);
    const auto allowed = static_cast<rlim_t>(maxRtTimeUs);
    if (limit.rlim_max == RLIM_INFINITY || limit.rlim_max > allowed) {
        limit.rlim_cur = allowed;
        limit.rlim_max = allowed;
        if (::setrlimit(RLIMIT_RTTIME, &limit) != 0) {
            return false;
        }
    }
    const auto granted = static_cast<std::uint32_t>(std::clamp(priority, 1, int(maxPriority)));
    return maxPriority > 0 && bus.CallForThread("MakeThreadRealtime", "tu", granted);
}

bool RealtimeKit::MakeThreadHighPriority(int niceLevel) {
    const SdBusApi* api = Api();
    if (api == nullptr || g_unavailable.load(std::memory_order_relaxed)) {
        return false;
    }
    Connection bus(*api);
    std::int32_t minNice = 0;
    if (!bus.Open() || !bus.Property("MinNiceLevel", "i", minNice)) {
        g_unavailable.store(true, std::memory_order_relaxed);
        return false;
    }
    return bus.CallForThread("MakeThreadHighPriority", "ti",
                             static_cast<std::int32_t>(std::max(niceLevel, int(minNice))));
}
