#pragma once

#include <QDateTime>
#include <QLockFile>
#include <QString>

#include <memory>

// Refuses a second running copy: a lock file in the user's temporary folder, and one in
// Travenza so that two users cannot work on the same data. A lock left behind by a crashed
// copy is taken over.
class EnkelExemplaar {
public:
    explicit EnkelExemplaar(const QString& lockPad);
    bool IsEerste() const { return m_fout == QLockFile::NoError; }
    // Another copy holds the lock (as opposed to a folder that cannot be written).
    bool IsBezet() const { return m_fout == QLockFile::LockFailedError; }

    // Who holds the lock, as far as its file tells.
    struct Houder {
        QString pad;
        QString computer;  // empty when the file cannot be read
        bool dezeComputer; // written by a copy on this computer
        QDateTime sinds;   // when the file was written
    };
    Houder HuidigeHouder() const;

private:
    std::unique_ptr<QLockFile> m_lock;
    QString m_pad;
    QLockFile::LockError m_fout = QLockFile::UnknownError;
};
