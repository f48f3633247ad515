#pragma once

#include <QWidget>
#include <functional>
#include <map>

// An indexed set of views that the game creates and removes at run time, each
// new element made to look like the set's template.
template <typename View> class ViewSet {
  public:
    using Factory = std::function<View*(int index)>;

    explicit ViewSet(Factory factory) : factory_(std::move(factory)) {}
    ~ViewSet() = default;
    ViewSet(const ViewSet&) = delete;
    ViewSet& operator=(const ViewSet&) = delete;

    // Adopts a view that exists from the start (element 0 of a line set, the
    // template of the piece views).
    void adopt(int index, View* view) { views_[index] = view; }

    bool exists(int index) const { return views_.count(index) != 0; }
    int count() const { return static_cast<int>(views_.size()); }

    View* at(int index) const
    {
        auto it = views_.find(index);
        return it == views_.end() ? nullptr : it->second;
    }
    View* operator[](int index) const { return at(index); }

    // Creates element `index` (hidden) unless it already exists.
    View* create(int index)
    {
        if (View* existing = at(index)) return existing;
        View* view = factory_(index);
        view->setVisible(false);
        views_[index] = view;
        return view;
    }

    void remove(int index)
    {
        auto it = views_.find(index);
        if (it == views_.end()) return;
        View* view = it->second;
        views_.erase(it);
        view->hide();
        view->deleteLater();
    }

    template <typename F> void forEach(F&& f) const
    {
        for (const auto& [index, view] : views_)
            f(index, view);
    }

  private:
    Factory factory_;
    std::map<int, View*> views_;
};
