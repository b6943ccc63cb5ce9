#include "compare/pane_sync.h"

#include <QScrollBar>

#include "view/orvel_view.h"

using orvel::ComparedFile;

PaneSync::PaneSync(COrvelView* first, COrvelView* second, const orvel::DiffList& diffs,
                   QObject* parent)
    : QObject(parent), first_(first), second_(second), diffs_(diffs) {
    for (const ComparedFile which : {ComparedFile::kFirst, ComparedFile::kSecond}) {
        connect(view(which)->verticalScrollBar(), &QScrollBar::valueChanged, this,
                [this, which] { Follow(which); });
        connect(view(which)->horizontalScrollBar(), &QScrollBar::valueChanged, this,
                [this, which] { FollowColumn(which); });
    }
}

COrvelView* PaneSync::view(ComparedFile which) const {
    return which == ComparedFile::kFirst ? first_ : second_;
}

void PaneSync::setEnabled(bool on) {
    enabled_ = on;
    Follow(ComparedFile::kFirst);
    FollowColumn(ComparedFile::kFirst);
}

void PaneSync::Follow(ComparedFile leader) {
    if (!enabled_ || following_)
        return;
    const ComparedFile other =
        leader == ComparedFile::kFirst ? ComparedFile::kSecond : ComparedFile::kFirst;
    COrvelView* follower = view(other);
    const orvel::Offset line =
        orvel::FollowingTopLine(diffs_, other, view(leader)->topLine(),
                                follower->dump().FirstDataTextLine(), follower->data().size());
    following_ = true;
    follower->verticalScrollBar()->setValue(static_cast<int>(line));
    following_ = false;
}

void PaneSync::FollowColumn(ComparedFile leader) {
    if (!enabled_ || following_)
        return;
    COrvelView* follower =
        view(leader == ComparedFile::kFirst ? ComparedFile::kSecond : ComparedFile::kFirst);
    following_ = true;
    follower->horizontalScrollBar()->setValue(view(leader)->horizontalScrollBar()->value());
    following_ = false;
}
