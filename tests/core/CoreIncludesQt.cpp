// SPDX-License-Identifier: GPL-3.0-or-later
// Built only by the test that expects it not to build: a core library's
// compile line knows no Qt, so this include must fail.
#include <QObject>

int main()
{
    return 0;
}
