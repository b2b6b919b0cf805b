#pragma once

class Float3 {
  public:
    Float3() = default;
    Float3(float x, float y, float z) : m_f{x, y, z} {}
    float GetF0() const { return m_f[0]; }
    float GetF1() const { return m_f[1]; }
    float GetF2() const { return m_f[2]; }
    float& operator[](int index) { return m_f[index]; }
    float operator[](int index) const { return m_f[index]; }
    void Set(float x, float y, float z) {
        m_f[0] = x;
        m_f[1] = y;
        m_f[2] = z;
    }

  private:
    float m_f[3] = {0, 0, 0};
};
