#pragma once

namespace platform {

// COM for the calling thread, apartment-threaded with OLE1 DDE off, for as long
// as the object lives. Nothing to do where there is no COM.
class ComApartment {
public:
    ComApartment();
    ~ComApartment();
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

    bool isInitialized() const { return m_initialized; }

private:
    bool m_initialized = false;
};

}  // namespace platform
