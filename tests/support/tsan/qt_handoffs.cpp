// ThreadSanitizer builds only. Qt is not built with it, so it cannot see
// the locks with which Qt hands work between threads: a job given to a
// thread pool, the wait for a pool's jobs, and a call queued to another
// thread's event loop. Each hand-off here also passes through one mutex it
// can see, so it learns the order Qt already guarantees, and nothing more.
// A queued call's last reference is dropped on the main thread, which ran
// it, since the count itself lives where the sanitizer cannot look.
#include <dlfcn.h>

#include <QCoreApplication>
#include <QEvent>
#include <QMetaObject>
#include <QObject>
#include <QThreadPool>

#include <functional>
#include <mutex>

namespace {
std::mutex handoff;
void pass() { std::lock_guard lock(handoff); }

template <typename Function>
Function original(const char* symbol) {
    return reinterpret_cast<Function>(::dlsym(RTLD_NEXT, symbol));
}
}  // namespace

// Called by the test's application for every event it delivers.
extern void (*beforeEachEvent)();
static const bool installed = (beforeEachEvent = pass, true);

namespace {
const QEvent::Type kDrop = static_cast<QEvent::Type>(QEvent::registerEventType());

struct Drop : QEvent {
    explicit Drop(QtPrivate::QSlotObjectBase* slot) : QEvent(kDrop), slot(slot) {}
    QtPrivate::QSlotObjectBase* slot;
};

// Lives on the main thread: made before the application, like the tests' models.
struct Dropper : QObject {
    bool event(QEvent* event) override {
        if (event->type() != kDrop) return QObject::event(event);
        static_cast<Drop*>(event)->slot->destroyIfLastRef();
        return true;
    }
};
Dropper* const dropper = new Dropper;
}  // namespace

void QThreadPool::start(std::function<void()> job, int priority) {
    using Start = void (*)(QThreadPool*, std::function<void()>, int);
    static const auto start = original<Start>("_ZN11QThreadPool5startESt8functionIFvvEEi");
    pass();
    start(this, [job = std::move(job)] {
        pass();
        job();
        pass();
    }, priority);
}

bool QThreadPool::waitForDone(int milliseconds) {
    using Wait = bool (*)(QThreadPool*, int);
    static const auto wait = original<Wait>("_ZN11QThreadPool11waitForDoneEi");
    const bool done = wait(this, milliseconds);
    pass();
    return done;
}

bool QMetaObject::invokeMethodImpl(QObject* object, QtPrivate::QSlotObjectBase* slot, Qt::ConnectionType type,
                                   void* ret) {
    using Invoke = bool (*)(QObject*, QtPrivate::QSlotObjectBase*, Qt::ConnectionType, void*);
    static const auto invoke = original<Invoke>(
        "_ZN11QMetaObject16invokeMethodImplEP7QObjectPN9QtPrivate15QSlotObjectBaseEN2Qt14ConnectionTypeEPv");
    pass();
    slot->ref();
    const bool invoked = invoke(object, slot, type, ret);
    pass();
    QCoreApplication::postEvent(dropper, new Drop(slot));
    return invoked;
}
