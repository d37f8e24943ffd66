// A double-ended ring of fixed capacity over one contiguous array; element 0
// is the front. Pushing is an index step: nothing is allocated after reset,
// and a push onto a full ring reuses the slot it drops.
#pragma once

#include <algorithm>
#include <utility>
#include <vector>

template <class T>
class PointRing {
public:
    // Discards every element; the array becomes c default records.
    void reset(unsigned c) {
        elements.assign(c, T());
        head = 0;
        tail = 0;
        capacity_ = c;
        size_ = 0;
    }

    unsigned capacity() const { return capacity_; }
    bool empty() const { return size_ == 0; }
    unsigned size() const { return size_; }

    // No range check: callers check against size().
    T& at(unsigned i) { return elements[slot(i)]; }
    const T& at(unsigned i) const { return elements[slot(i)]; }

    // The new front keeps whatever its slot held (a default record after
    // reset, or the back element just dropped); the caller overwrites it.
    void pushFront() {
        if (size_ == capacity_) {
            // A ring filled only from the front still has tail 0, which
            // stands for capacity here.
            tail = tail == 0 ? capacity_ - 1 : tail == 1 ? capacity_ : tail - 1;
        } else {
            ++size_;
        }
        head = head == 0 ? capacity_ - 1 : head - 1;
    }

    // Calls f on every element, front to back: two plain runs of the array
    // rather than a slot sum per element.
    template <class F>
    void forEach(F f) {
        forEachIn(elements.data(), f);
    }
    template <class F>
    void forEach(F f) const {
        forEachIn(elements.data(), f);
    }

    void pushBack(const T& value) {
        if (size_ == capacity_)
            head = head + 1 == capacity_ ? 0 : head + 1;
        else
            ++size_;
        tail = tail == capacity_ ? 1 : tail + 1;
        elements[tail - 1] = value;
    }

    void swap(PointRing& other) {
        elements.swap(other.elements);
        std::swap(head, other.head);
        std::swap(tail, other.tail);
        std::swap(capacity_, other.capacity_);
        std::swap(size_, other.size_);
    }

private:
    template <class E, class F>
    void forEachIn(E* data, F& f) const {
        const unsigned firstRun = std::min(size_, capacity_ - head);
        for (unsigned i = 0; i < firstRun; ++i) f(data[head + i]);
        for (unsigned i = 0; i < size_ - firstRun; ++i) f(data[i]);
    }

    unsigned slot(unsigned i) const {
        const unsigned s = head + i;
        return s >= capacity_ ? s - capacity_ : s;
    }

    std::vector<T> elements;
    unsigned head = 0;  // the front element's slot
    unsigned tail = 0;  // one past the back element's slot
    unsigned capacity_ = 0;
    unsigned size_ = 0;  // kept, not derived from head and tail: read at every vertex
};
