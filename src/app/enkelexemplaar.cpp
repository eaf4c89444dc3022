#include "app/enkelexemplaar.h"

EnkelExemplaar::EnkelExemplaar(const QString& lockPad) : m_lock(std::make_unique<QLockFile>(lockPad))
{
    m_lock->setStaleLockTime(0);
    m_fout = m_lock->tryLock(100) ? QLockFile::NoError : m_lock->error();
}
