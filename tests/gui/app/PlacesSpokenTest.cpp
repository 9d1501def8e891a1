// SPDX-License-Identifier: GPL-3.0-or-later
// Where a screen reader finds the places offered under City: in the
// accessibility tree Qt hands its bridge. What is spoken as the arrows move
// needs a live bridge; scripts/check-place-speech checks that, and the zone
// line, through AT-SPI itself.
#include <QAbstractItemView>
#include <QAccessible>
#include <QCompleter>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <gtest/gtest.h>

#include "core/atlas/PlaceLookup.h"
#include "core/common/BirthRecord.h"
#include "gui/app/frmMain.h"
#include "gui/app/WindowFlow.h"
#include "gui/support/Services.h"
#include "platform/FakePlatform.h"
#include "WindowTestSupport.h"

namespace orvanta {
namespace {

QAccessibleInterface* FindBelow(QAccessibleInterface* root, QAccessible::Role role, const QString& name)
{
    for (int i = 0; i < root->childCount(); ++i) {
        QAccessibleInterface* child = root->child(i);
        if (child->role() == role && child->text(QAccessible::Name) == name) {
            return child;
        }
        if (QAccessibleInterface* found = FindBelow(child, role, name)) {
            return found;
        }
    }
    return nullptr;
}

// Qt leaves popups out of the tree; the places must be found from the window,
// under City, and each must lead back up to the window.
TEST(PlacesSpoken, TheOpenListLiesUnderCityInTheWindow)
{
    PlaceLookup places{ORVANTA_ATLAS_DATABASE};
    BirthRecord record;
    FakePlatform platform;
    Services services(record, platform, &places);
    QPointer<frmMain> window = ShowMainWindow(services);
    auto* city = window->findChild<QLineEdit*>(QStringLiteral("txtMCity"));
    QTest::keyClicks(city, QStringLiteral("Mu"));
    QAbstractItemView* popup = window->findChild<QCompleter*>(QStringLiteral("placeCompleter"))->popup();
    ASSERT_TRUE(popup->isVisible());

    QAccessibleInterface* list = FindBelow(QAccessible::queryAccessibleInterface(window), QAccessible::List, "Places");
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->childCount(), popup->model()->rowCount());
    ASSERT_GT(list->childCount(), 1);
    EXPECT_EQ(list->child(1)->text(QAccessible::Name), popup->model()->index(1, 0).data().toString());

    bool underCity = false;
    QAccessibleInterface* step = list->child(0);
    while (step->object() != window.data()) {
        QAccessibleInterface* parent = step->parent();
        ASSERT_NE(parent, nullptr) << step->text(QAccessible::Name).toStdString();
        ASSERT_EQ(parent->child(parent->indexOfChild(step)), step) << step->text(QAccessible::Name).toStdString();
        underCity = underCity || parent->object() == city;
        step = parent;
    }
    EXPECT_TRUE(underCity);
    testing::CloseAllWindows();
}

}  // namespace
}  // namespace orvanta
