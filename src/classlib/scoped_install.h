#pragma once
// The guard of every replaceable function, object or value that tests
// install: `Install(value)` puts a value in place and returns the one it
// replaced; the guard installs its value for its own lifetime and then puts
// the previous one back, so nested guards unwind in order.

template <class Value, auto Install> class ScopedInstall {
public:
    explicit ScopedInstall(const Value& value) : m_previous(Install(value)) {}
    ~ScopedInstall() { Install(m_previous); }
    ScopedInstall(const ScopedInstall&) = delete;
    ScopedInstall& operator=(const ScopedInstall&) = delete;

private:
    Value m_previous;
};

// The same for an object installed by its address: the guard takes the
// object itself, which the caller keeps alive while it is installed.
template <class Object, Object* (*Install)(Object*)>
class ScopedInstallObject : public ScopedInstall<Object*, Install> {
public:
    explicit ScopedInstallObject(Object& object) : ScopedInstall<Object*, Install>(&object) {}
};
