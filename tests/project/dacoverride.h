#ifndef DACOVERRIDE_H
#define DACOVERRIDE_H

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

// Lets tests of unreadable files and read-only folders run as root (CI) too: drops the capabilities
// that ignore file permissions for its lifetime.
class WithoutDacOverride
{
public:
    WithoutDacOverride()
    {
        if (syscall(SYS_capget, &m_header, m_saved) != 0)
            return;
        __user_cap_data_struct reduced[2] = {m_saved[0], m_saved[1]};
        reduced[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH) | (1u << CAP_FOWNER));
        m_active = syscall(SYS_capset, &m_header, reduced) == 0;
    }
    ~WithoutDacOverride()
    {
        if (m_active)
            syscall(SYS_capset, &m_header, m_saved);
    }
    WithoutDacOverride(const WithoutDacOverride &) = delete;

private:
    __user_cap_header_struct m_header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct m_saved[2]{};
    bool m_active = false;
};

#endif
