#include "app/enkelexemplaar.h"

#include <QFileInfo>
#include <QSysInfo>

EnkelExemplaar::EnkelExemplaar(const QString& lockPad) : m_lock(std::make_unique<QLockFile>(lockPad)), m_pad(lockPad)
{
    m_lock->setStaleLockTime(0);
    m_fout = m_lock->tryLock(100) ? QLockFile::NoError : m_lock->error();
}

EnkelExemplaar::Houder EnkelExemplaar::HuidigeHouder() const
{
    // Qt takes over a lock of a copy that no longer runs only when it was made on this
    // computer: a lock of another one (a shared or copied data folder) stays until removed.
    qint64 pid = 0;
    QString computer, programma;
    if (!m_lock->getLockInfo(&pid, &computer, &programma))
        computer.clear();
    return {m_pad, computer, !computer.isEmpty() && computer == QSysInfo::machineHostName(),
            QFileInfo(m_pad).lastModified()};
}
