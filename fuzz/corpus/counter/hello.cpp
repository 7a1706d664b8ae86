// hello.cpp - a small, untidy program for the Quillet demo.
#include <iostream>
#include <string>
   
static int square(int x){
	return x*x;   
}

class Greeter
{
public:
    Greeter(const std::string& name):m_name(name) {}
	void Greet(int times) const
	{
	  for(int i=0;i<times;i++)
	  {
            std::cout<<"Hello, "<<m_name<<" #"<<i+1<<std::endl;  
	  }
	}
private:
	std::string m_name;
};

int main( int argc, char** argv )
{
  Greeter greeter(argc>1 ? argv[1] : "world");	
     int n=square( 2 );
  if(n>3){
	greeter.Greet(n-2);
  }
  else
      greeter.Greet( 1 );
    return 0;
}
