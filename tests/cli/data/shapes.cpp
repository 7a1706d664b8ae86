/* shapes.cpp: a fixture with a little of everything the formatter touches */
#include <cmath>
#define AREA(w,h) ((w)*(h))
#define LONG_MACRO(a, b) \
    do { if ((a)>(b)) swap(a,b); } while(0)

namespace shapes {
struct Point{ double x,y; };

class Shape
{
public:
	virtual ~Shape(){}
	virtual double Area() const=0;
};

class Circle : public Shape {
    public:
        explicit Circle(double r):m_r(r){ }
        double Area() const { return 3.14159*m_r*m_r; }   
    private:
        double m_r;
};

int Classify(int n)
{
    switch(n){
    case 0: return 0;
    case 1:
        if(n>0&&n<10)
            return 1;
        else
          return -1;
    default:
        break;
    }
    const char* s = "a  {  string } with ( parens )\t";
    char c='{';
    // a comment with { braces } and a+b
    for (int i=0; i<n; ++i) { n-=i; }
    do
    {
        n = n>>1;
    } while( n >16 );
    return n+(c=='{' ? 1 : 0) + (s != 0);
}
}
