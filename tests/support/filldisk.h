// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Fills a disk for the tests of a full disk: they run on a small memory file
// system of their own (see smalldisk.sh).

#include <QByteArray>
#include <QFile>
#include <QString>

namespace padmora::testing {

// Writes the file until the disk takes no byte more.
inline void fillDisk(const QString &path)
{
    QFile filler(path);
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return;
    const QByteArray block(64 * 1024, 'x');
    for (qint64 size = block.size(); size > 0; size /= 2)
        while (filler.write(block.constData(), size) == size)
            ;
}

} // namespace padmora::testing
