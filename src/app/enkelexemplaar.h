#pragma once

#include <QLockFile>
#include <QString>

#include <memory>

// Refuses a second running copy: a lock file in the user's temporary folder. A lock left
// behind by a crashed copy is taken over.
class EnkelExemplaar {
public:
    explicit EnkelExemplaar(const QString& lockPad);
    bool IsEerste() const { return m_eerste; }

private:
    std::unique_ptr<QLockFile> m_lock;
    bool m_eerste = false;
};
