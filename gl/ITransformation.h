#pragma once
// What a view offers the transformation registry: its nine transform setters.

class ITransformation {
 public:
  virtual ~ITransformation() = default;
  virtual void SetTranX(float value) = 0;
  virtual void SetTranY(float value) = 0;
  virtual void SetTranZ(float value) = 0;
  virtual void SetAngleX(float value) = 0;
  virtual void SetAngleY(float value) = 0;
  virtual void SetAngleZ(float value) = 0;
  virtual void SetScaleX(float value) = 0;
  virtual void SetScaleY(float value) = 0;
  virtual void SetScaleZ(float value) = 0;
};
