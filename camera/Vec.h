// Fixed-size value vector: a colour (Vec<float,3>) or a point, direction or
// angle triple (Vec<double,3>). Zero when default-constructed.
#pragma once

#include <cmath>
#include <cstddef>
#include <type_traits>

template <class T, std::size_t N>
class Vec {
public:
    constexpr Vec() : e{} {}

    template <class... A, class = std::enable_if_t<sizeof...(A) == N && (N > 0)>>
    constexpr Vec(A... a) : e{static_cast<T>(a)...} {}

    constexpr T& operator[](std::size_t i) { return e[i]; }
    constexpr const T& operator[](std::size_t i) const { return e[i]; }

    // The array itself, for the OpenGL vector entry points (glColor3fv, glVertex3dv).
    const T* data() const { return e; }

    Vec& operator+=(const Vec& o) {
        for (std::size_t i = 0; i < N; ++i) e[i] += o.e[i];
        return *this;
    }
    Vec& operator-=(const Vec& o) {
        for (std::size_t i = 0; i < N; ++i) e[i] -= o.e[i];
        return *this;
    }
    Vec& operator*=(T s) {
        for (std::size_t i = 0; i < N; ++i) e[i] *= s;
        return *this;
    }
    Vec& operator/=(T s) {
        for (std::size_t i = 0; i < N; ++i) e[i] /= s;
        return *this;
    }

    friend Vec operator+(Vec a, const Vec& b) { return a += b; }
    friend Vec operator-(Vec a, const Vec& b) { return a -= b; }
    friend Vec operator*(Vec a, T s) { return a *= s; }
    friend Vec operator/(Vec a, T s) { return a /= s; }

    friend bool operator==(const Vec& a, const Vec& b) {
        for (std::size_t i = 0; i < N; ++i)
            if (a.e[i] != b.e[i]) return false;
        return true;
    }
    friend bool operator!=(const Vec& a, const Vec& b) { return !(a == b); }

    T dot(const Vec& o) const {
        T sum = T();
        for (std::size_t i = 0; i < N; ++i) sum += e[i] * o.e[i];
        return sum;
    }
    T length() const { return std::sqrt(dot(*this)); }
    Vec normalized() const { return *this / length(); }

private:
    T e[N];
};
